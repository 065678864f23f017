// The insertion primitives against the real page editor: where the text goes, what stays
// selected and where the caret ends.
#include <QToolButton>
#include <functional>

#include "tag_page_fixture.h"

namespace {

using Points = EditorSurface::SelectionPoints;

struct SelectionCase {
  const char* Name;
  QByteArray Page;
  Points Before;  // anchor first, then the caret
  std::function<void(TagInsertion&)> Insert;
  QString Expected;
  Points After;
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.Name; }

const auto Bold = [](TagInsertion& t) { t.InsertSelected(QStringLiteral("<B>")); };
const auto Ite = [](TagInsertion& t) {
  t.InsertSelected2(QStringLiteral("<% If ... Then %>\r"), QStringLiteral("\r<% End If %>"));
};

class SelectionRules : public TagPageTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionRules, TextSelectionAndCaret) {
  const SelectionCase& c = GetParam();
  OpenPage(c.Page);
  Editor().SetSelectionPoints(c.Before);
  ASSERT_FALSE(SaveEnabled());

  c.Insert(Tags());

  EXPECT_EQ(Editor().WholeText(), c.Expected);
  EXPECT_EQ(Selection(), c.After);
  EXPECT_TRUE(SaveEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    TagInsertion, SelectionRules,
    ::testing::Values(
        SelectionCase{
            "caret_between_the_tags", "ab", {1, 1, 1, 1}, Bold, "a<B></B>b", {1, 4, 1, 4}},
        SelectionCase{"backwards_selection_keeps_the_whole_new_text_selected",
                      "one two",
                      {1, 7, 1, 4},
                      Bold,
                      "one <B>two</B>",
                      {1, 4, 1, 14}},
        SelectionCase{"over_several_lines",
                      "first\nsecond\nthird",
                      {1, 2, 3, 3},
                      Bold,
                      "fi<B>rst\nsecond\nthi</B>rd",
                      {1, 2, 3, 7}},
        SelectionCase{"over_several_lines_backwards",
                      "first\nsecond\nthird",
                      {3, 3, 1, 2},
                      Bold,
                      "fi<B>rst\nsecond\nthi</B>rd",
                      {1, 2, 3, 7}},
        SelectionCase{"ending_in_a_line_break",
                      "one\ntwo\n",
                      {1, 0, 2, 0},
                      Bold,
                      "<B>one\n</B>two\n",
                      {1, 0, 2, 4}},
        SelectionCase{"columns_count_utf16_units",
                      "\xF0\x9F\x98\x80x",
                      {1, 2, 1, 2},
                      Bold,
                      QString::fromUtf8("\xF0\x9F\x98\x80<B></B>x"),
                      {1, 5, 1, 5}},
        SelectionCase{"ite_caret_on_the_empty_line_before_the_closing_text",
                      "x\n",
                      {1, 1, 1, 1},
                      Ite,
                      "x<% If ... Then %>\n\n<% End If %>\n",
                      {2, 0, 2, 0}},
        SelectionCase{"ite_in_a_crlf_page",
                      "a\r\nb",
                      {1, 1, 1, 1},
                      Ite,
                      "a<% If ... Then %>\r\n\r\n<% End If %>\r\nb",
                      {2, 0, 2, 0}},
        SelectionCase{"ite_in_a_cr_page",
                      "a\rb",
                      {1, 1, 1, 1},
                      Ite,
                      "a<% If ... Then %>\r\r<% End If %>\rb",
                      {2, 0, 2, 0}},
        SelectionCase{"ite_round_a_selection",
                      "sel",
                      {1, 0, 1, 3},
                      Ite,
                      "<% If ... Then %>\nsel\n<% End If %>",
                      {1, 0, 3, 12}},
        SelectionCase{"text_replaces_a_backwards_selection",
                      "hello world",
                      {1, 11, 1, 6},
                      [](TagInsertion& t) { t.InsertText(QStringLiteral("<BR>")); },
                      "hello <BR>",
                      {1, 10, 1, 10}},
        SelectionCase{"text_with_a_line_break_ends_the_caret_after_it",
                      "ab",
                      {1, 1, 1, 1},
                      [](TagInsertion& t) { t.InsertText(QStringLiteral("<P>\r")); },
                      "a<P>\nb",
                      {2, 0, 2, 0}},
        SelectionCase{"empty_text_changes_nothing_but_enables_save",
                      "ab",
                      {1, 1, 1, 1},
                      [](TagInsertion& t) { t.InsertText(QString()); },
                      "ab",
                      {1, 1, 1, 1}},
        SelectionCase{"caption_with_a_single_tag_goes_in_front",
                      "sel",
                      {1, 0, 1, 3},
                      [](TagInsertion& t) { t.InsertCaptionAsTag(QStringLiteral("<HR>")); },
                      "<HR>sel",
                      {1, 0, 1, 7}},
        SelectionCase{"uneven_entry",
                      "sel",
                      {1, 0, 1, 3},
                      [](TagInsertion& t) { t.CreateUnevenTags(QStringLiteral("A..B - x")); },
                      "<A>sel<B>",
                      {1, 0, 1, 9}}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return info.param.Name; });

// Listeners such as the live preview must see an insertion as one change with the
// finished text, not the removal of the selection first; the editor's own state (its
// modified flag, whether text is selected) must follow all the same.
TEST_F(TagPageTest, AnInsertionIsOneChangeWithTheFinishedText) {
  OpenPage("one two");
  Editor().SetSelectionPoints({1, 4, 1, 7});
  QStringList changes;
  QStringList seenBySelection;
  int modified = 0;
  QObject::connect(&Editor(), &QsciScintilla::textChanged, Form.get(),
                   [&] { changes << Editor().WholeText(); });
  QObject::connect(&Editor(), &QsciScintilla::selectionChanged, Form.get(),
                   [&] { seenBySelection << Editor().WholeText(); });
  QObject::connect(&Editor(), &QsciScintilla::modificationChanged, Form.get(),
                   [&](bool on) { modified += on ? 1 : 100; });

  Tags().InsertSelected(QStringLiteral("<B>"));
  EXPECT_EQ(changes, QStringList({"one <B>two</B>"}));
  for (const QString& text : seenBySelection) EXPECT_EQ(text, "one <B>two</B>");
  EXPECT_EQ(modified, 1);
  EXPECT_TRUE(Editor().Modified());
  EXPECT_TRUE(Editor().hasSelectedText());

  Tags().InsertText(QStringLiteral("x"));
  EXPECT_EQ(changes.last(), "one x");
  EXPECT_FALSE(Editor().hasSelectedText());

  changes.clear();
  Tags().InsertBasicTags();
  EXPECT_EQ(changes.size(), 1);
  EXPECT_EQ(modified, 1);  // already modified

  // One insertion is one undo step.
  Editor().undo();
  EXPECT_EQ(Editor().WholeText(), "one x");
  Editor().undo();
  EXPECT_EQ(Editor().WholeText(), "one <B>two</B>");
  Editor().undo();
  EXPECT_EQ(Editor().WholeText(), "one two");
}

TEST_F(TagPageTest, BasicTagsReplaceTheSelectionWithTheSkeleton) {
  OpenPage("old\n");
  Editor().SetSelectionPoints({1, 0, 1, 3});
  Tags().InsertBasicTags();
  EXPECT_EQ(Editor().WholeText(),
            "<HTML>\n<HEAD>\n<TITLE>Web page Title</TITLE>\n</HEAD>\n<BODY>\n\n</BODY>\n</HTML>\n");
  EXPECT_EQ(Selection(), (Points{8, 7, 8, 7}));
}

TEST_F(TagPageTest, InsertLinesWritesEveryLineInTheEditorsLineBreaks) {
  OpenPage("a\r\nb");
  Editor().SetSelectionPoints({1, 1, 2, 0});
  Tags().InsertLines({"<OL >", "<LI> Line:1", "</OL>"}, Editor());
  EXPECT_EQ(Editor().WholeText(), "a<OL >\r\n<LI> Line:1\r\n</OL>\r\nb");

  // Any editor: the internal clipboard too, the page staying as it was.
  Form->SpareEditor->ClearAll();
  Tags().InsertLines({"x", "y"}, *Form->SpareEditor);
  EXPECT_EQ(Form->SpareEditor->WholeText(), "x\ny\n");
  EXPECT_EQ(Editor().WholeText(), "a<OL >\r\n<LI> Line:1\r\n</OL>\r\nb");
}

TEST_F(TagPageTest, CustomButtonModesReadTheButtonsHint) {
  OpenPage("sel");
  QToolButton button;
  const struct {
    const char* Hint;
    void (TagInsertion::*Mode)(const QWidget&);
    const char* Expected;
  } cases[] = {
      {"<HR>", &TagInsertion::ButtonInsertAsIs, "<HR>"},
      {"TT", &TagInsertion::ButtonInsertEven, "<TT>sel</TT>"},
      {"<A HREF=\"#\">..</A> - anchor", &TagInsertion::ButtonInsertUnEven, "<A HREF=\"#\">sel</A>"},
  };
  for (const auto& c : cases) {
    Editor().selectAll();
    Editor().ReplaceSelection(QStringLiteral("sel"));
    Editor().selectAll();
    button.setToolTip(QString::fromLatin1(c.Hint));
    (Tags().*c.Mode)(button);
    EXPECT_EQ(Editor().WholeText(), c.Expected) << c.Hint;
  }
}

TEST_F(TagPageTest, FullScreenPreviewStopsTheCaretPrimitives) {
  OpenPage("sel");
  Editor().selectAll();
  Form->MainSplitter->hide();
  ASSERT_TRUE(Tags().FullScreenShown());

  Click(QStringLiteral("BoldBtn"));
  Click(QStringLiteral("ParagraphBtn"));
  Trigger(QStringLiteral("Date1"));
  Tags().InsertText(QStringLiteral("x"));
  Tags().InsertSelected2(QStringLiteral("<A>"), QStringLiteral("</A>"));

  EXPECT_EQ(Editor().WholeText(), "sel");
  EXPECT_FALSE(SaveEnabled());
  EXPECT_FALSE(Editor().Modified());

  Form->MainSplitter->show();
  Click(QStringLiteral("BoldBtn"));
  EXPECT_EQ(Editor().WholeText(), "<B>sel</B>");
}

TEST_F(TagPageTest, NothingIsWrittenWhileNoPageIsOpen) {
  OpenPage("sel");
  ASSERT_TRUE(Form->Pages().CloseActivePage());
  Trigger(QStringLiteral("Bold1"));
  Trigger(QStringLiteral("HorizontalBar1"));
  Trigger(QStringLiteral("InsertStandardTags1"));
  EXPECT_EQ(Editor().WholeText(), "");
  EXPECT_FALSE(SaveEnabled());
}

}  // namespace
