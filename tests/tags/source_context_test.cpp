// The tag context of the caret: lights, title, last-modified stamp, saved positions and
// the double-click dispatch, against the real page editor.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "core/source_context_text.h"
#include "tag_page_fixture.h"
#include "tags/source_context.h"

namespace {

using Light = SourceContext::LightColor;

class SourceContextTest : public TagPageTest {
 protected:
  SourceContext& Context() { return Form->Context(); }
  // Every page under a name of its own: opening an open page again only shows its tab.
  void Open(const QByteArray& text) {
    static int count = 0;
    const QString name = QStringLiteral("p%1.htm").arg(++count);
    ASSERT_TRUE(Form->Pages().LoadFile(WritePage(name, text.isEmpty() ? "x" : text), false));
    if (text.isEmpty()) Editor().ClearAll();
  }
  void Caret(int line, int col) { Editor().SetSelectionPoints({line, col, line, col}); }
  // Selects `word` (the first occurrence) as the editor's double-click would, and runs
  // the double-click handler.
  void DoubleClick(const QString& word) {
    const QString text = Editor().WholeText();
    const TextPoint start = PointAfter({}, text.left(text.indexOf(word)));
    const TextPoint end = PointAfter(start, word);
    Editor().SetSelectionPoints({start.Line, start.Col, end.Line, end.Col});
    Context().WebPageDblClick(Editor());
  }
};

const char* const TwoBodies =
    "It appears as if you have two closing </BODY> tags in your document.  Remember that "
    "anything appearing after the first closing tag may not display in all browsers!  It "
    "will NOT appear in this viewer.";

TEST_F(SourceContextTest, LightsShowTagAndBodyOfTheCaret) {
  Open(
      "<HTML><HEAD><TITLE>t</TITLE></HEAD>\n<BODY\nBGCOLOR=\"#FFFFFF\">\n"
      "<A HREF=\"a.htm\">x</A> plain\n\n</BODY></HTML>");
  const struct {
    int Line, Col;
    Light Tag, Body;
  } cases[] = {
      {1, 20, Light::Green, Light::Red},    // in the head, between tags
      {1, 3, Light::Yellow, Light::Red},    // inside <HTML>
      {2, 3, Light::Yellow, Light::Red},    // first line of the split BODY tag
      {3, 4, Light::Yellow, Light::Red},    // second line, before its ">"
      {4, 5, Light::Yellow, Light::Green},  // between "<A HREF" and ">"
      {4, 24, Light::Green, Light::Green},  // plain text
      {5, 0, Light::Green, Light::Green},   // empty line
      {6, 0, Light::Green, Light::Green},   // at the "<" of "</BODY>"
      {6, 3, Light::Yellow, Light::Red},    // past it
  };
  for (const auto& c : cases) {
    Caret(c.Line, c.Col);
    Form->Command(QStringLiteral("CheckCursorPosition1"))->trigger();
    EXPECT_EQ(Context().InATagLight(), c.Tag) << c.Line << ':' << c.Col;
    EXPECT_EQ(Context().InABodyLight(), c.Body) << c.Line << ':' << c.Col;
  }
  auto* tagLight = Form->EWSPanel->findChild<QLabel*>(QStringLiteral("InATagLight"));
  auto* bodyLight = Form->EWSPanel->findChild<QLabel*>(QStringLiteral("InABodyLight"));
  ASSERT_NE(tagLight, nullptr);
  ASSERT_NE(bodyLight, nullptr);
  EXPECT_EQ(tagLight->size(), QSize(16, 9));
  EXPECT_EQ(tagLight->property("lightColor").toString(), QStringLiteral("#ffff00"));
  EXPECT_EQ(bodyLight->property("lightColor").toString(), QStringLiteral("#ff0000"));
  EXPECT_EQ(tagLight->toolTip(),
            QStringLiteral("If color is GREEN then you are inside TAG.  If it is RED then you "
                           "are outside of a TAG."));

  Editor().SetSelectionPoints({4, 1, 4, 2});  // one character selected: both neutral
  Form->Command(QStringLiteral("CheckCursorPosition1"))->trigger();
  EXPECT_EQ(Context().InATagLight(), Light::Neutral);
  EXPECT_EQ(Context().InABodyLight(), Light::Neutral);
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(SourceContextTest, TwoClosingBodyTagsWarnOnEveryCheckAndWidenTheBody) {
  Open("<BODY>\nx</BODY>\ny\n</BODY>");
  Caret(3, 0);
  Context().WebPageClick();
  Context().WebPageClick();
  EXPECT_EQ(Prompts.Texts(), QStringList({TwoBodies, TwoBodies}));
  EXPECT_EQ(Context().InABodyLight(), Light::Green);
}

TEST_F(SourceContextTest, ClicksRunTheCheckOnlyWithWarningLightsOn) {
  Open("<BODY>\ntext\n</BODY>");
  Form->Settings.UseEWS = false;
  Caret(2, 1);
  QTest::mouseRelease(Editor().viewport(), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(Context().InABodyLight(), Light::Neutral);
  Form->Settings.UseEWS = true;
  QTest::mouseClick(Editor().viewport(), Qt::LeftButton, {}, QPoint(2, 2));
  QTRY_VERIFY(Context().InABodyLight() != Light::Neutral);
}

TEST_F(SourceContextTest, CursorLocationRestoresScrollThenSelection) {
  QByteArray page;
  for (int i = 1; i <= 200; ++i) page += "line " + QByteArray::number(i) + " with some text\n";
  Open(page);
  Editor().SetSelectionPoints({52, 2, 53, 4});
  Editor().SetFirstVisibleLine(50);
  SourceContext::CursorLocation saved;
  Context().GetCursorLocation(saved);
  Context().GoToTop();
  Editor().SetFirstVisibleLine(1);
  Context().SetCursorLocation(saved);
  EXPECT_EQ(Editor().FirstVisibleLine(), 50);
  EXPECT_EQ(Selection(), (EditorSurface::SelectionPoints{52, 2, 53, 4}));
}

TEST_F(SourceContextTest, HighlightTagSelectsTheElementOrLeavesTheOpeningMatch) {
  Open("<p>a</p>\n<TITLE>Home</TITLE> <title>x");
  Context().GoToTop();
  EXPECT_TRUE(Context().HighlightTag(QStringLiteral("<title>"), QStringLiteral("</title>")));
  EXPECT_EQ(Editor().SelectedText(), QStringLiteral("<TITLE>Home</TITLE>"));
  EXPECT_FALSE(Context().HighlightTag(QStringLiteral("<title>"), QStringLiteral("</title>")));
  EXPECT_EQ(Editor().SelectedText(), QStringLiteral("<title>"));
  EXPECT_FALSE(Context().HighlightTag(QStringLiteral("<nothing>"), QStringLiteral(">")));
  EXPECT_EQ(Editor().SelectedText(), QStringLiteral("<title>"));
}

TEST_F(SourceContextTest, TitleCommandReplacesOrAddsTheTitle) {
  const struct {
    const char* Page;
    const char* Preset;
    const char* Expected;
  } cases[] = {
      {"<html><head><title>Old</title></head>", "Old", "<html><head><TITLE>New</TITLE></head>"},
      {"<html><head>\n</head>", "", "<html><head>\n<TITLE>New</TITLE>\n</head>"},
      {"<html><head><TITLE></TITLE></head>", "", "<html><head>\n<TITLE>New</TITLE></head>"},
      {"<p>bare</p>", "", "\n<TITLE>New</TITLE><p>bare</p>"},
  };
  for (const auto& c : cases) {
    Open(c.Page);
    Prompts.AnswerInput(QStringLiteral("New"));
    Form->Command(QStringLiteral("Title1"))->trigger();
    EXPECT_EQ(Editor().WholeText(), QString::fromLatin1(c.Expected)) << c.Page;
    EXPECT_TRUE(SaveEnabled());
  }
  Open("<title>Keep</title>");
  Prompts.AnswerInput(std::nullopt);
  Form->Command(QStringLiteral("Title1"))->trigger();
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<title>Keep</title>"));
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(SourceContextTest, LastModifiedStampIsReplacedInPlaceOrGoesBeforeTheBodyEnd) {
  const QDateTime first(QDate(2026, 1, 2), QTime(10, 11, 12));
  const QDateTime later(QDate(2026, 1, 3), QTime(9, 0, 1));
  Open("<BODY>\ntext\n</BODY>");
  Tags().Now = [&] { return first; };
  Form->Command(QStringLiteral("UpdateLastModifiedTag1"))->trigger();
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<BODY>\ntext\n") + LastModifiedStamp(first) +
                                      QStringLiteral("</BODY>"));
  Tags().Now = [&] { return later; };
  Form->Command(QStringLiteral("UpdateLastModifiedTag1"))->trigger();
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<BODY>\ntext\n") + LastModifiedStamp(later) +
                                      QStringLiteral("</BODY>"));

  Open("no body");
  Context().SetLastModifiedDate();
  EXPECT_TRUE(Editor().WholeText().startsWith(QStringLiteral("<PAGEMODIFIED>")));
}

TEST_F(SourceContextTest, SavingStampsThePageOnlyWithAutoTimeStamp) {
  const QDateTime now(QDate(2026, 5, 6), QTime(7, 8, 9));
  Tags().Now = [&] { return now; };
  OpenPage("<BODY>x</BODY>");
  Editor().ReplaceSelection(QStringLiteral("y"));
  Form->Command(QStringLiteral("Save1"))->trigger();
  EXPECT_EQ(ReadBytes(Pages(QStringLiteral("page.htm"))), QByteArray("y<BODY>x</BODY>"));
  Form->Settings.AutoTimeStamp = true;
  Editor().ReplaceSelection(QStringLiteral("z"));
  Form->Command(QStringLiteral("Save1"))->trigger();
  EXPECT_EQ(QString::fromUtf8(ReadBytes(Pages(QStringLiteral("page.htm")))),
            QStringLiteral("yz<BODY>x") + LastModifiedStamp(now) + QStringLiteral("</BODY>"));
}

TEST_F(SourceContextTest, DoubleClickOnAColourRewritesItAndTheBodyColours) {
  const struct {
    const char* Page;
    const char* Word;
    QColor Initial;
    const char* Expected;
  } cases[] = {
      {"<BODY BGCOLOR=\"#FFFFFF\">", "BGCOLOR=\"#FFFFFF\"", Qt::white,
       "<BODY BGCOLOR=\"#FF0000\">"},
      {"<BODY TEXT=#00FF00>", "TEXT=#00FF00", QColor(0, 255, 0), "<BODY TEXT=\"#FF0000\">"},
      {"<FONT COLOR=\"#0000ff\">", "COLOR=\"#0000ff\"", QColor(0, 0, 255),
       "<FONT COLOR=\"#FF0000\">"},
  };
  for (const auto& c : cases) {
    Open(c.Page);
    Prompts.AnswerColor(QColor(255, 0, 0));
    DoubleClick(QString::fromLatin1(c.Word));
    EXPECT_EQ(Editor().WholeText(), QString::fromLatin1(c.Expected));
  }
  EXPECT_EQ(Context().BodySettings.Background, RgbColor(255, 0, 0));
  EXPECT_EQ(Context().BodySettings.Text, RgbColor(255, 0, 0));
  EXPECT_EQ(Context().BodySettings.Link, 0u);

  // Cancelled: nothing changes.
  Open("<BODY LINK=\"#123456\">");
  Prompts.AnswerColor(std::nullopt);
  DoubleClick(QStringLiteral("LINK=\"#123456\""));
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<BODY LINK=\"#123456\">"));
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(SourceContextTest, DoubleClickOnABadColourShowsTheConversionErrorOnly) {
  Open("<BODY BGCOLOR=\"#GG0000\">");
  DoubleClick(QStringLiteral("BGCOLOR=\"#GG0000\""));
  EXPECT_EQ(Prompts.Texts(), QStringList({"'$GG0000' is not a valid integer value"}));
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<BODY BGCOLOR=\"#GG0000\">"));
}

TEST_F(SourceContextTest, MouseDoubleClickTakesTheWholeAttributeAsOneWord) {
  Open("<BODY BGCOLOR=\"#FFFFFF\" TEXT=#00FF00>\n<IMG SRC=\"a.gif\" ALIGN=\"center\">");
  for (const char* word :
       {"BGCOLOR=\"#FFFFFF\"", "TEXT=#00FF00", "<BODY", "SRC=\"a.gif\"", "ALIGN=\"center\""}) {
    const QString text = Editor().WholeText();
    const int at = int(text.indexOf(QString::fromLatin1(word))) + 2;
    Editor().SendScintilla(QsciScintillaBase::SCI_WORDSTARTPOSITION, at, true);
    const long start = Editor().SendScintilla(QsciScintillaBase::SCI_WORDSTARTPOSITION, at, true);
    const long end = Editor().SendScintilla(QsciScintillaBase::SCI_WORDENDPOSITION, at, true);
    EXPECT_EQ(text.mid(start, end - start), QString::fromLatin1(word));
  }
  // A real double-click on the background colour, answered red.
  Prompts.AnswerColor(QColor(255, 0, 0));
  const long position = Editor().WholeText().indexOf(QStringLiteral("#FFFFFF"));
  const QPoint point(
      int(Editor().SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, position)) + 2,
      int(Editor().SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, position)) + 4);
  QTest::mouseDClick(Editor().viewport(), Qt::LeftButton, {}, point);
  QTRY_VERIFY(Editor().WholeText().contains(QStringLiteral("BGCOLOR=\"#FF0000\"")));
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(SourceContextTest, DoubleClickOnAFileAttributeCopiesTheChosenFileBesideThePage) {
  QTemporaryDir elsewhere;
  const QString picture = QDir(elsewhere.path()).filePath(QStringLiteral("Sky.GIF"));
  QFile file(picture);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("GIF89a new");
  file.close();
  Open("<IMG SRC=\"old.gif\"> <BODY BACKGROUND=\"\">");
  Prompts.AnswerFile(picture);
  DoubleClick(QStringLiteral("SRC=\"old.gif\""));
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<IMG SRC=\"Sky.GIF\"> <BODY BACKGROUND=\"\">"));
  EXPECT_EQ(Prompts.LastFileRequest.caption, QStringLiteral("Open File"));
  EXPECT_EQ(Prompts.LastFileRequest.filter, QStringLiteral("Images|*.GIF;*.JPG;"));
  EXPECT_EQ(ReadBytes(Pages(QStringLiteral("Sky.GIF"))), QByteArray("GIF89a new"));

  // A file of that name beside the page is never overwritten.
  file.open(QIODevice::WriteOnly);
  file.write("changed");
  file.close();
  Prompts.AnswerFile(picture);
  DoubleClick(QStringLiteral("BACKGROUND=\"\""));
  EXPECT_EQ(Editor().WholeText(),
            QStringLiteral("<IMG SRC=\"Sky.GIF\"> <BODY BACKGROUND=\"Sky.GIF\">"));
  EXPECT_EQ(ReadBytes(Pages(QStringLiteral("Sky.GIF"))), QByteArray("GIF89a new"));

  // Other words do nothing but refresh.
  DoubleClick(QStringLiteral("IMG"));
  EXPECT_EQ(Editor().WholeText(),
            QStringLiteral("<IMG SRC=\"Sky.GIF\"> <BODY BACKGROUND=\"Sky.GIF\">"));
  EXPECT_TRUE(Prompts.AllAnswersUsed());
  EXPECT_TRUE(Prompts.Messages.empty());
}

}  // namespace
