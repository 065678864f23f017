#include "platform/editor_surface.h"

#include <gtest/gtest.h>

#include <Qsci/qscilexerhtml.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "qt_printers.h"

// Found by argument-dependent lookup, so it lives beside the type.
void PrintTo(const EditorSurface::SelectionPoints& p, std::ostream* os) {
  *os << "{" << p.StartLine << ":" << p.StartCol << " -> " << p.EndLine << ":" << p.EndCol << "}";
}

namespace {

using Points = EditorSurface::SelectionPoints;

class EditorSurfaceTest : public ::testing::Test {
 protected:
  EditorSurfaceTest() {
    Editor.resize(400, 200);
    Editor.show();
  }

  void SetLines(int count) {
    QString text;
    for (int i = 1; i <= count; ++i) text += QStringLiteral("line %1\n").arg(i);
    Editor.setText(text);
  }

  QString PathOf(const QString& name) const { return Dir.filePath(name); }

  QByteArray ReadBack(const QString& name) const {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
  }

  void WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QTemporaryDir Dir;
  EditorSurface Editor;
};

// Columns count QString characters: "é€" is two columns although it is five bytes, and a
// character outside the BMP is two columns, as in QString.
struct SelectionCase {
  const char* Name;
  const char* Text;
  Points Selection;
  const char* Selected;
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.Name; }

class EditorSurfaceSelection : public EditorSurfaceTest,
                               public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(EditorSurfaceSelection, SetSelectsTheTextAndGetGivesThePointsBack) {
  const SelectionCase& c = GetParam();
  Editor.setText(QString::fromUtf8(c.Text));
  Editor.SetSelectionPoints(c.Selection);
  const QString selected = QString::fromUtf8(c.Selected);
  EXPECT_EQ(Editor.SelectedText(), selected);
  EXPECT_EQ(Editor.SelLength(), selected.size());
  EXPECT_EQ(Editor.GetSelectionPoints(), c.Selection);
}

INSTANTIATE_TEST_SUITE_P(
    EditorSurface, EditorSurfaceSelection,
    ::testing::Values(SelectionCase{"forward", "hello world", {1, 0, 1, 5}, "hello"},
                      SelectionCase{"backward", "hello world", {1, 11, 1, 6}, "world"},
                      SelectionCase{"multi_line", "ab\r\ncd\nef", {1, 1, 3, 1}, "b\r\ncd\ne"},
                      SelectionCase{"none", "ab\ncd", {2, 1, 2, 1}, ""},
                      SelectionCase{"non_ascii", "é€\U0001F600x", {1, 1, 1, 4}, "€\U0001F600"},
                      SelectionCase{"non_ascii_backward", "aé\n€b", {2, 1, 1, 1}, "é\n€"}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return info.param.Name; });

TEST_F(EditorSurfaceTest, CurrentTextExtendsAnEmptySelectionToTheLineEnd) {
  Editor.setText(QString::fromUtf8("one twé\r\nthree"));
  Editor.SetSelectionPoints({1, 4, 1, 4});
  EXPECT_EQ(Editor.CurrentText(), QString::fromUtf8("twé"));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{1, 4, 1, 7}));

  // An existing selection is used as it is.
  Editor.SetSelectionPoints({1, 6, 1, 0});
  EXPECT_EQ(Editor.CurrentText(), QStringLiteral("one tw"));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{1, 6, 1, 0}));

  Editor.SetSelectionPoints({2, 5, 2, 5});
  EXPECT_EQ(Editor.CurrentText(), QString());
}

TEST_F(EditorSurfaceTest, ReplaceSelectionLeavesTheCaretAfterTheText) {
  Editor.setText(QStringLiteral("hello world"));
  Editor.SetSelectionPoints({1, 11, 1, 6});
  Editor.ReplaceSelection(QString::fromUtf8("thé€e"));
  EXPECT_EQ(Editor.WholeText(), QString::fromUtf8("hello thé€e"));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{1, 11, 1, 11}));

  Editor.SetSelectionPoints({1, 5, 1, 5});
  Editor.ReplaceSelection(QStringLiteral(",\nX"));
  EXPECT_EQ(Editor.WholeText(), QString::fromUtf8("hello,\nX thé€e"));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{2, 1, 2, 1}));
}

TEST_F(EditorSurfaceTest, AppendInsertsAtTheEnd) {
  Editor.setText(QStringLiteral("ab\ncd"));
  Editor.SetSelectionPoints({1, 0, 1, 1});
  Editor.Append(QStringLiteral("!"));
  EXPECT_EQ(Editor.WholeText(), QStringLiteral("ab\ncd!"));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{2, 3, 2, 3}));
}

TEST_F(EditorSurfaceTest, InsertAtLineClampsToTheText) {
  struct Case {
    int Line, Col;
    const char* Expected;
    Points Caret;
  };
  const Case cases[] = {
      {2, 1, "ab\néX€\ncd", {2, 2, 2, 2}},  {2, 99, "ab\né€X\ncd", {2, 3, 2, 3}},
      {9, 0, "ab\né€\ncdX", {3, 3, 3, 3}},  {0, 5, "Xab\né€\ncd", {1, 1, 1, 1}},
      {1, -3, "Xab\né€\ncd", {1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    Editor.setText(QString::fromUtf8("ab\né€\ncd"));
    Editor.InsertAtLine(c.Line, c.Col, QStringLiteral("X"));
    EXPECT_EQ(Editor.WholeText(), QString::fromUtf8(c.Expected)) << c.Line << ":" << c.Col;
    EXPECT_EQ(Editor.GetSelectionPoints(), c.Caret) << c.Line << ":" << c.Col;
  }
}

TEST_F(EditorSurfaceTest, LengthsAndScrollPositionsUseTheProgramsCounting) {
  Editor.setText(QString::fromUtf8("é€\U0001F600\nx"));
  EXPECT_EQ(Editor.TextLength(), 6);
  EXPECT_EQ(Editor.LineCount(), 2);

  QString text;
  for (int i = 0; i < 300; ++i) text += QString(200, u'w') + u'\n';
  Editor.setText(text);
  Editor.SetFirstVisibleLine(40);
  EXPECT_EQ(Editor.FirstVisibleLine(), 40);
  Editor.SetFirstVisibleColumn(12);
  EXPECT_EQ(Editor.FirstVisibleColumn(), 12);
}

TEST_F(EditorSurfaceTest, TypingRestylesOnlyWhatIsShown) {
  QString text;
  for (int i = 0; i < 5000; ++i) text += QStringLiteral("<p class=\"c\">line</p>\n");
  Editor.setText(text);
  Editor.grab();
  Editor.SetSelectionPoints({2, 3, 2, 3});
  Editor.ReplaceSelection(QStringLiteral("x"));
  Editor.grab();
  // Painting styled the lines on screen, and nothing styled the rest.
  const long styledTo = Editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
  EXPECT_GT(styledTo, 0);
  EXPECT_LT(styledTo, Editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH) / 10);
}

TEST_F(EditorSurfaceTest, FindForwardIgnoresCaseAndSelectsEachMatchInTurn) {
  Editor.setText(QString::fromUtf8("éAlpha beta ALPHA\n€alpha"));
  Editor.SetSelectionPoints({1, 0, 1, 0});
  EXPECT_TRUE(Editor.FindForward(QStringLiteral("alpha")));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{1, 1, 1, 6}));
  EXPECT_TRUE(Editor.FindForward(QStringLiteral("alpha")));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{1, 12, 1, 17}));
  EXPECT_TRUE(Editor.FindForward(QStringLiteral("alpha")));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{2, 1, 2, 6}));
  EXPECT_FALSE(Editor.FindForward(QStringLiteral("alpha")));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{2, 1, 2, 6}));
}

TEST_F(EditorSurfaceTest, FindForwardLooksOnlyForTheFirst125Characters) {
  QString head;
  for (int i = 0; i < EditorSurface::MaxFindLength; ++i) head += QChar(u'a' + i % 26);
  Editor.setText(QStringLiteral("x") + head + QStringLiteral(" and more"));
  EXPECT_TRUE(Editor.FindForward(head.toUpper() + QStringLiteral("TAIL NOT IN THE TEXT")));
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{1, 1, 1, 1 + EditorSurface::MaxFindLength}));
}

TEST_F(EditorSurfaceTest, FindFromMovesOnlyThePosition) {
  SetLines(300);
  Editor.InsertAtLine(200, 0, QString::fromUtf8("é€ NEEDLE "));
  Editor.SetFirstVisibleLine(50);
  const Points selection{60, 1, 60, 3};
  Editor.SetSelectionPoints(selection);
  Editor.SetFirstVisibleLine(50);

  EditorSurface::FindPosition from{10, 0};
  EXPECT_TRUE(Editor.FindFrom(from, QStringLiteral("needle")));
  EXPECT_EQ(from.Line, 200);
  EXPECT_EQ(from.Col, 3);
  EXPECT_EQ(Editor.GetSelectionPoints(), selection);
  EXPECT_EQ(Editor.FirstVisibleLine(), 50);

  from.Col = 4;
  EXPECT_FALSE(Editor.FindFrom(from, QStringLiteral("needle")));
  EXPECT_EQ(from.Line, 200);
  EXPECT_EQ(from.Col, 4);
}

TEST_F(EditorSurfaceTest, ReplaceAllCountsAndUndoesInOneStep) {
  const QString original = QStringLiteral("Cat cat\nCAT dog");
  Editor.setText(original);
  // The replacement holds the searched text: it must not be found again.
  EXPECT_EQ(Editor.ReplaceAll(QStringLiteral("cat"), QStringLiteral("cats")), 3);
  EXPECT_EQ(Editor.WholeText(), QStringLiteral("cats cats\ncats dog"));
  Editor.undo();
  EXPECT_EQ(Editor.WholeText(), original);
  EXPECT_FALSE(Editor.isUndoAvailable());

  EXPECT_EQ(Editor.ReplaceAll(QStringLiteral("bird"), QStringLiteral("x")), 0);
  EXPECT_EQ(Editor.WholeText(), original);
}

// Letters match without regard to case; every other character matches only itself.
TEST_F(EditorSurfaceTest, FindFromComparesLettersWithoutCase) {
  struct Case {
    const char* Text;
    const char* Needle;
    int Col;  // -1: not found
  };
  const Case cases[] = {
      {"<BODY bgcolor=1>", "<body", 0},
      {"\xC3\xA9\xC3\xA9<FrameSet cols>", "<frameset ", 2},
      {"end <b", "<B", 4},
      {"<<<a", "<<A", 1},
      {"a@b", "A`B", -1},
      {"x[y]", "X{Y}", -1},
      {"abc", "abcd", -1},
  };
  for (const Case& c : cases) {
    Editor.setText(QString::fromUtf8(c.Text));
    EditorSurface::FindPosition from{1, 0};
    EXPECT_EQ(Editor.FindFrom(from, QString::fromUtf8(c.Needle)), c.Col >= 0) << c.Text;
    if (c.Col >= 0) {
      EXPECT_EQ(from.Col, c.Col) << c.Text;
    }
  }
}

// Searching reads the editor's buffer in place: text changed in the middle, and each
// replacement of a ReplaceAll, must be seen where it now stands.
TEST_F(EditorSurfaceTest, SearchesSeeTheTextAsChanged) {
  SetLines(2000);
  Editor.InsertAtLine(1000, 0, QStringLiteral("<TAG>"));
  EditorSurface::FindPosition from{1, 0};
  ASSERT_TRUE(Editor.FindFrom(from, QStringLiteral("<tag>")));
  EXPECT_EQ(from.Line, 1000);
  EXPECT_EQ(from.Col, 0);

  QString expected = Editor.WholeText();
  const int count = int(expected.count(QStringLiteral("LINE 1"), Qt::CaseInsensitive));
  expected.replace(QStringLiteral("line 1"), QStringLiteral("L"), Qt::CaseInsensitive);
  EXPECT_EQ(Editor.ReplaceAll(QStringLiteral("LINE 1"), QStringLiteral("L")), count);
  EXPECT_EQ(Editor.WholeText(), expected);
}

TEST_F(EditorSurfaceTest, LineTextLeavesSelectionAndScrollAlone) {
  SetLines(300);
  Editor.InsertAtLine(120, 0, QString::fromUtf8("é€\U0001F600\r"));
  Editor.SetSelectionPoints({3, 1, 5, 2});
  Editor.SetFirstVisibleLine(1);

  EXPECT_EQ(Editor.LineText(120), QString::fromUtf8("é€\U0001F600"));
  EXPECT_EQ(Editor.LineLength(120), 4);
  EXPECT_EQ(Editor.LineText(121), QStringLiteral("line 120"));
  EXPECT_EQ(Editor.LineText(302), QString());  // the empty last line
  EXPECT_EQ(Editor.LineText(999), QString());
  EXPECT_EQ(Editor.GetSelectionPoints(), (Points{3, 1, 5, 2}));
  EXPECT_EQ(Editor.FirstVisibleLine(), 1);
}

TEST_F(EditorSurfaceTest, LoadAndSaveGiveTheSameBytes) {
  struct Case {
    const char* Name;
    QByteArray Bytes;
    PageEncoding Encoding;
    QString Shown;
  };
  const Case cases[] = {
      {"windows-1252", "<p>caf\xE9 \x80\x81</p>\r\n<p>\x93q\x94</p>\n", PageEncoding::Windows1252,
       QStringLiteral("<p>café €\u0081</p>\r\n<p>“q”</p>\n")},
      {"utf-8 bom", "\xEF\xBB\xBF<p>\xC3\xA9\xE2\x82\xAC</p>\r", PageEncoding::Utf8Bom,
       QStringLiteral("<p>é€</p>\r")},
      {"bom after the bom", "\xEF\xBB\xBF\xEF\xBB\xBFx", PageEncoding::Utf8Bom,
       QStringLiteral("\uFEFFx")},
      {"utf-8 with nul", QByteArray("<p>\xC3\xA9\0\xF0\x9F\x98\x80</p>\r\n", 16),
       PageEncoding::Utf8, QString::fromUtf8("<p>é\0😀</p>\r\n", 16)},
  };
  for (const Case& c : cases) {
    WriteFile(QStringLiteral("in.html"), c.Bytes);
    Editor.setText(QStringLiteral("old"));
    Editor.SetModified(true);
    PageEncoding encoding = PageEncoding::Utf8;
    QString error;
    ASSERT_TRUE(Editor.LoadFile(PathOf(QStringLiteral("in.html")), &encoding, &error)) << c.Name;
    EXPECT_EQ(encoding, c.Encoding) << c.Name;
    EXPECT_EQ(Editor.WholeText(), c.Shown) << c.Name;
    EXPECT_FALSE(Editor.Modified()) << c.Name;
    EXPECT_FALSE(Editor.isUndoAvailable()) << c.Name;

    ASSERT_TRUE(Editor.SaveFile(PathOf(QStringLiteral("out.html")), encoding, LineEndStyle::Default,
                                &error))
        << c.Name;
    EXPECT_EQ(ReadBack(QStringLiteral("out.html")), c.Bytes) << c.Name;
  }
}

TEST_F(EditorSurfaceTest, LoadIsNoUndoStepButEditingAfterItIs) {
  WriteFile(QStringLiteral("page.html"), "<p>loaded</p>");
  Editor.setText(QStringLiteral("old"));
  Editor.ReplaceSelection(QStringLiteral("typed"));
  QString error;
  ASSERT_TRUE(Editor.LoadFile(PathOf(QStringLiteral("page.html")), nullptr, &error));
  EXPECT_FALSE(Editor.isUndoAvailable());
  Editor.Append(QStringLiteral("<p>more</p>"));
  ASSERT_TRUE(Editor.isUndoAvailable());
  Editor.undo();
  EXPECT_EQ(Editor.WholeText(), QStringLiteral("<p>loaded</p>"));
  EXPECT_FALSE(Editor.isUndoAvailable());
}

// Saving writes the page's own encoding and the chosen line ends, whether or not any line
// end has to change.
TEST_F(EditorSurfaceTest, SaveFileWritesEachEncodingAndLineEndStyle) {
  struct Case {
    const char* Name;
    QString Text;
    PageEncoding Encoding;
    LineEndStyle Style;
    QByteArray Bytes;
  };
  const Case cases[] = {
      {"utf-8 kept", QStringLiteral("é\r\nx\n"), PageEncoding::Utf8, LineEndStyle::Default,
       "\xC3\xA9\r\nx\n"},
      {"bom kept", QStringLiteral("é\r\n"), PageEncoding::Utf8Bom, LineEndStyle::Default,
       "\xEF\xBB\xBF\xC3\xA9\r\n"},
      {"bom, unix already", QStringLiteral("a\nb"), PageEncoding::Utf8Bom, LineEndStyle::Unix,
       "\xEF\xBB\xBF"
       "a\nb"},
      {"bom, to unix", QStringLiteral("a\r\nb\r"), PageEncoding::Utf8Bom, LineEndStyle::Unix,
       "\xEF\xBB\xBF"
       "a\nb\n"},
      {"utf-8, mac already", QStringLiteral("a\rb"), PageEncoding::Utf8, LineEndStyle::Mac, "a\rb"},
      {"utf-8, to mac", QStringLiteral("a\nb"), PageEncoding::Utf8, LineEndStyle::Mac, "a\rb"},
      {"windows-1252", QStringLiteral("é€\r\n"), PageEncoding::Windows1252, LineEndStyle::Default,
       "\xE9\x80\r\n"},
  };
  for (const Case& c : cases) {
    Editor.setText(c.Text);
    QString error;
    ASSERT_TRUE(Editor.SaveFile(PathOf(QStringLiteral("out.html")), c.Encoding, c.Style, &error))
        << c.Name;
    EXPECT_EQ(ReadBack(QStringLiteral("out.html")), c.Bytes) << c.Name;
    EXPECT_EQ(Editor.WholeText(), c.Text) << c.Name;
  }
}

TEST_F(EditorSurfaceTest, LoadFileFailsOnAMissingFile) {
  Editor.setText(QStringLiteral("kept"));
  PageEncoding encoding = PageEncoding::Utf8;
  QString error;
  EXPECT_FALSE(Editor.LoadFile(PathOf(QStringLiteral("missing.html")), &encoding, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(Editor.WholeText(), QStringLiteral("kept"));
}

TEST_F(EditorSurfaceTest, SaveFileIntoAMissingFolderFailsAndWritesNothing) {
  Editor.setText(QStringLiteral("text"));
  const QString path = PathOf(QStringLiteral("no/such/page.html"));
  QString error;
  EXPECT_FALSE(Editor.SaveFile(path, PageEncoding::Utf8, LineEndStyle::Default, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(EditorSurfaceTest, SaveFileWritesTheLineEndStyleAndKeepsTheModifiedFlag) {
  Editor.setText(QStringLiteral("a\r\nb\rc\nd"));
  Editor.SetModified(true);
  QString error;
  ASSERT_TRUE(Editor.SaveFile(PathOf(QStringLiteral("unix.html")), PageEncoding::Utf8,
                              LineEndStyle::Unix, &error));
  ASSERT_TRUE(Editor.SaveFile(PathOf(QStringLiteral("mac.html")), PageEncoding::Utf8,
                              LineEndStyle::Mac, &error));
  EXPECT_EQ(ReadBack(QStringLiteral("unix.html")), QByteArray("a\nb\nc\nd"));
  EXPECT_EQ(ReadBack(QStringLiteral("mac.html")), QByteArray("a\rb\rc\rd"));
  EXPECT_EQ(Editor.WholeText(), QStringLiteral("a\r\nb\rc\nd"));
  EXPECT_TRUE(Editor.Modified());
}

TEST_F(EditorSurfaceTest, InsertKeyTogglesModeAndSignalsIt) {
  std::vector<bool> signalled;
  QObject::connect(&Editor, &EditorSurface::ModeChanged,
                   [&](bool insertMode) { signalled.push_back(insertMode); });
  auto press = [&](int key, const QString& text = QString()) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&Editor, &event);
  };
  press(Qt::Key_Insert);
  EXPECT_FALSE(Editor.InsertMode());
  press(Qt::Key_A, QStringLiteral("a"));
  press(Qt::Key_Insert);
  EXPECT_TRUE(Editor.InsertMode());
  EXPECT_EQ(signalled, (std::vector<bool>{false, true}));
}

TEST_F(EditorSurfaceTest, TagColorsReachTheTagStyles) {
  EXPECT_EQ(Editor.TagTextColor(), QColor(Qt::blue));
  EXPECT_EQ(Editor.TagBackgroundColor(), QColor(Qt::white));

  Editor.SetTagColors(QColor(0x11, 0x22, 0x33), QColor(0x44, 0x55, 0x66));
  EXPECT_EQ(Editor.TagTextColor(), QColor(0x11, 0x22, 0x33));
  EXPECT_EQ(Editor.TagBackgroundColor(), QColor(0x44, 0x55, 0x66));
  // Scintilla keeps colours as 0xBBGGRR.
  for (const int style : {QsciLexerHTML::Tag, QsciLexerHTML::Attribute, QsciLexerHTML::HTMLValue,
                          QsciLexerHTML::HTMLDoubleQuotedString}) {
    EXPECT_EQ(Editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, style), 0x332211) << style;
    EXPECT_EQ(Editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK, style), 0x665544) << style;
  }
  // Text outside tags keeps its own colour.
  EXPECT_NE(Editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, QsciLexerHTML::Default),
            0x332211);
}

}  // namespace
