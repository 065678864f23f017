// Every fixed-text command of the palette's Font, Format, Lists and ASP tabs, the Edit,
// Insert and HTML Codes menus and the editor's pop-up menu, driven through its control.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include <Qsci/qscicommandset.h>

#include "core/tag_snippets.h"
#include "tag_page_fixture.h"
#include "tags/desktop_colors.h"
#include "tags/font_tag_dialog.h"

namespace {

enum class Via { Button, Command };

struct CommandCase {
  Via Control;
  const char* Name;
  const char* Shown;  // the button's hint or the menu entry's caption
  const char* Expected;
  const char* Shortcut = "";
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.Name; }

class EveryCommand : public TagPageTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(EveryCommand, InsertsExactlyItsText) {
  const CommandCase& c = GetParam();
  OpenPage("sel");
  Editor().SetSelectionPoints({1, 0, 1, 3});
  const QString name = QString::fromLatin1(c.Name);
  if (c.Control == Via::Button) {
    QAbstractButton* button = PaletteButton(name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), c.Shown);
    EXPECT_EQ(button->statusTip(), c.Shown);
    EXPECT_EQ(button->accessibleName(), c.Shown);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);  // the caret stays in the page
    button->click();
  } else {
    QAction* action = Form->Command(name);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), c.Shown);
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(c.Shortcut)));
    if (!action->shortcut().isEmpty()) {  // the page editor must not swallow the key
      EXPECT_EQ(Editor().standardCommands()->boundTo(action->shortcut()[0].toCombined()), nullptr);
    }
    action->trigger();
  }
  EXPECT_EQ(Editor().WholeText(), QString::fromUtf8(c.Expected));
  EXPECT_TRUE(SaveEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    TagCommands, EveryCommand,
    ::testing::Values(
        CommandCase{Via::Button, "BoldBtn", "Insert Bold", "<B>sel</B>"},
        CommandCase{Via::Button, "ItalicBtn", "Insert Italics", "<I>sel</I>"},
        CommandCase{Via::Button, "UnderlineBtn", "Insert underline", "<U>sel</U>"},
        CommandCase{Via::Button, "SubscriptBtn", "Insert Subscript", "<SUB>sel</SUB>"},
        CommandCase{Via::Button, "SuperscriptBtn", "Insert Superscript", "<SUP>sel</SUP>"},
        CommandCase{Via::Button, "CenterBtn", "Center item", "<CENTER>sel</CENTER>"},
        CommandCase{Via::Button, "FontPlus", "Increase font size", "<FONT SIZE=+2>sel</FONT>"},
        CommandCase{Via::Button, "FontMinus", "Decrease font size", "<FONT SIZE=-2>sel</FONT>"},
        CommandCase{Via::Button, "CommentBtn", "Insert a comment tag", "<!--sel-->"},
        CommandCase{Via::Button, "H1Btn", "Insert heading this size", "<H1>sel</H1>"},
        CommandCase{Via::Button, "H2Btn", "Insert heading this size", "<H2>sel</H2>"},
        CommandCase{Via::Button, "H3Btn", "Insert heading this size", "<H3>sel</H3>"},
        CommandCase{Via::Button, "H4Btn", "Insert heading this size", "<H4>sel</H4>"},
        CommandCase{Via::Button, "H5Btn", "Insert heading this size", "<H5>sel</H5>"},
        CommandCase{Via::Button, "H6Btn", "Insert heading this size", "<H6>sel</H6>"},
        CommandCase{Via::Button, "DivBtn", "DIV", "<DIV>sel</DIV>"},
        CommandCase{Via::Button, "BRBtn", "Insert line break", "<BR>"},
        CommandCase{Via::Button, "HRBtn", "Insert horizontal bar", "<HR>"},
        CommandCase{Via::Button, "BulletBtn", "Insert bullet mark", "<UL><LI>sel</UL>"},
        CommandCase{Via::Button, "AspScriptBtn", "<% %>", "<% sel %>"},
        CommandCase{Via::Button, "AspValueBtn", "<% = %>", "<% =sel %>"},
        CommandCase{Via::Button, "AspITEBtn", "<% If ... Then ... End If%>",
                    "<% If ... Then %>\nsel\n<% End If %>"},
        CommandCase{Via::Button, "AspIfBtn", "<% If  ... Then %>", "<% If sel Then %>"},
        CommandCase{Via::Button, "AspEndBtn", "<% End If %>", "<% End If %>"},
        CommandCase{Via::Button, "AspElseBtn", "<% Else %>", "<% Else %>"},
        CommandCase{Via::Button, "AspElseIfBtn", "<% Else If ... Then %>",
                    "<% Else If sel Then %>"},
        CommandCase{Via::Button, "AspLoopBtn", "<% While ...%> <% Loop %>",
                    "\n<% While ... %>\nsel\n<% Loop %>\n"},
        CommandCase{Via::Command, "Bold1", "Bold", "<B>sel</B>", "Ctrl+Shift+B"},
        CommandCase{Via::Command, "Italics1", "Italics", "<I>sel</I>", "Ctrl+Shift+I"},
        CommandCase{Via::Command, "Underline1", "Underline", "<U>sel</U>", "Ctrl+Shift+U"},
        CommandCase{Via::Command, "Center1", "Center", "<CENTER>sel</CENTER>", "Ctrl+Shift+C"},
        CommandCase{Via::Command, "HorizontalBar1", "Horizontal &Bar", "<HR>", "Ctrl+B"},
        CommandCase{Via::Command, "H1Size1", "H1 - Size 1", "<H1>sel</H1>"},
        CommandCase{Via::Command, "H2Size2", "H2 - Size 2", "<H2>sel</H2>"},
        CommandCase{Via::Command, "H3Size3", "H3 - Size 3", "<H3>sel</H3>"},
        CommandCase{Via::Command, "H4Size4", "H4 - Size 4", "<H4>sel</H4>"},
        CommandCase{Via::Command, "H5Size5", "H5 - Size 5", "<H5>sel</H5>"},
        CommandCase{Via::Command, "H6Size6", "H6 - Size 6", "<H6>sel</H6>"},
        CommandCase{Via::Command, "HRHorizontalBar1", "HR - Horizontal Bar", "<HR>"},
        CommandCase{Via::Command, "PLeft1", "<P ALIGN=\"left\"></P>", "<P ALIGN=\"left\">sel</P>"},
        CommandCase{Via::Command, "PCenter1", "<P ALIGN=\"center\"></P>",
                    "<P ALIGN=\"center\">sel</P>"},
        CommandCase{Via::Command, "PRight1", "<P ALIGN=\"right\"></P>",
                    "<P ALIGN=\"right\">sel</P>"},
        CommandCase{Via::Command, "BR1", "<BR>", "<BR>"},
        CommandCase{Via::Command, "BRLeft1", "<BR CLEAR=\"left\">", "<BR CLEAR=\"left\">"},
        CommandCase{Via::Command, "BRRight1", "<BR CLEAR=\"right\">", "<BR CLEAR=\"right\">"},
        CommandCase{Via::Command, "DIVNone1", "<DIV></DIV>", "<DIV>sel</DIV>"},
        CommandCase{Via::Command, "DIVLeft1", "<DIV ALIGN=\"left\"></DIV>",
                    "<DIV ALIGN=\"left\">sel</DIV>"},
        CommandCase{Via::Command, "DIVCenter1", "<DIV ALIGN=\"center\"></DIV>",
                    "<DIV ALIGN=\"center\">sel</DIV>"},
        CommandCase{Via::Command, "DIVRight1", "<DIV ALIGN=\"right\"></DIV>",
                    "<DIV ALIGN=\"right\">sel</DIV>"},
        CommandCase{Via::Command, "NonBreakingSpace1", "Non-breaking space (&&nbsp;)", "&nbsp;",
                    "Ctrl+Alt+Space"},
        CommandCase{Via::Command, "TableCell1", "Table Cell", "<TD>sel</TD>"},
        CommandCase{Via::Command, "UnorderedListItem1", "Unordered List Item", "<UL><LI>sel</UL>"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.Name; });

TEST_F(TagPageTest, ParagraphRuleFollowsUseClosingP) {
  const struct {
    bool UseClosingP;
    const char* Control;
    const char* Expected;
  } cases[] = {
      {false, "ParagraphBtn", "<P>"},  // the selected text is gone
      {false, "P1", "<P>\n"},
      {true, "ParagraphBtn", "<P>sel</P>"},
      {true, "P1", "<P>sel</P>"},
  };
  OpenPage("");
  EXPECT_EQ(Form->Command(QStringLiteral("P1"))->text(), "<P></P>");
  EXPECT_EQ(Form->Command(QStringLiteral("P1"))->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+P")));
  for (const auto& c : cases) {
    Form->Settings.UseClosingP = c.UseClosingP;
    Editor().selectAll();
    Editor().ReplaceSelection(QStringLiteral("sel"));
    Editor().selectAll();
    if (QString::fromLatin1(c.Control) == QLatin1String("P1"))
      Trigger(QStringLiteral("P1"));
    else
      Click(QStringLiteral("ParagraphBtn"));
    EXPECT_EQ(Editor().WholeText(), c.Expected) << c.UseClosingP << ' ' << c.Control;
  }
}

TEST_F(TagPageTest, FontSizeStepFollowsTheSetting) {
  OpenPage("");
  Form->Settings.FontSizeChange = 5;
  Click(QStringLiteral("FontPlus"));
  EXPECT_EQ(Editor().WholeText(), "<FONT SIZE=+5></FONT>");
  EXPECT_EQ(Selection(), (EditorSurface::SelectionPoints{1, 14, 1, 14}));
}

TEST_F(TagPageTest, FontCombosWrapInTheChosenSizeOrFace) {
  OpenPage("sel");
  auto* size = Form->PowerBook->findChild<QComboBox*>(QStringLiteral("FontSize"));
  auto* faces = Form->PowerBook->findChild<QComboBox*>(QStringLiteral("ScreenFonts"));
  ASSERT_TRUE(size && faces);
  EXPECT_EQ(size->currentText(), "3");
  EXPECT_EQ(size->count(), 7);
  EXPECT_EQ(size->toolTip(), "Insert font size tag");
  EXPECT_EQ(faces->toolTip(), "Insert font name tag");

  // A double-click on the box acts on what it shows.
  Editor().selectAll();
  size->setCurrentIndex(4);
  QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(size, &press);
  EXPECT_EQ(Editor().WholeText(), "<FONT SIZE=5>sel</FONT>");

  // The face list is the screen's fonts, read anew each time it drops down.
  faces->clear();
  faces->showPopup();
  faces->hidePopup();
  EXPECT_EQ(faces->count(), QFontDatabase::families().size());
  ASSERT_GT(faces->count(), 0);
  Editor().selectAll();
  Editor().ReplaceSelection(QStringLiteral("sel"));
  Editor().selectAll();
  emit faces->textActivated(faces->itemText(0));  // the user picks the first face
  EXPECT_EQ(Editor().WholeText(), "<FONT FACE=\"" + faces->itemText(0) + "\">sel</FONT>");
}

TEST_F(TagPageTest, FontColorComesFromTheSharedColourDialog) {
  OpenPage("sel");
  Editor().selectAll();
  Prompts.AnswerColor(QColor(0x12, 0xAB, 0xEF));
  Click(QStringLiteral("FontColorBtn"));
  EXPECT_EQ(Editor().WholeText(), "<FONT COLOR=\"#12ABEF\">sel</FONT>");
  EXPECT_EQ(Tags().ColorBox.Color(), RgbColor(0x12, 0xAB, 0xEF));  // kept for next time

  Prompts.AnswerColor(std::nullopt);
  Click(QStringLiteral("FontColorBtn"));
  EXPECT_EQ(Editor().WholeText(), "<FONT COLOR=\"#12ABEF\">sel</FONT>");
  EXPECT_EQ(Tags().ColorBox.Color(), RgbColor(0x12, 0xAB, 0xEF));
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TagPageTest, FontDialogWrapsInTheChosenFontAndRemembersIt) {
  OpenPage("sel");
  Editor().selectAll();
  // First use: face "System" in the desktop's window-text colour, written as its value.
  Prompts.AnswerDialog([](QDialog& dialog) {
    auto& font = dynamic_cast<FontTagDialog&>(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Font");
    EXPECT_EQ(font.FontName->currentText(), "System");
    EXPECT_EQ(font.FontSizeList->count(), 7);
    EXPECT_EQ(font.FontSizeList->itemText(0), "1");
    EXPECT_EQ(font.FontSizeList->itemText(6), "7");
    return int(QDialog::Accepted);
  });
  Click(QStringLiteral("FontDialogBtn"));
  const QString windowText =
      ColorToHex(ColorValueOf(QApplication::palette().color(QPalette::Text)));
  EXPECT_EQ(Editor().WholeText(),
            "<FONT FACE=\"System\" SIZE=\"3\" COLOR=\"#" + windowText + "\">sel</FONT>");

  Editor().selectAll();
  Editor().ReplaceSelection(QStringLiteral("sel"));
  Editor().selectAll();
  Prompts.AnswerDialog([](QDialog& dialog) {
    auto& font = dynamic_cast<FontTagDialog&>(dialog);
    font.FontName->setEditText(QStringLiteral("Arial"));
    font.FontSizeList->setCurrentIndex(4);
    font.BoldBox->setChecked(true);
    font.UnderlineBox->setChecked(true);
    font.ColorList->setCurrentIndex(font.ColorList->findText(QStringLiteral("Red")));
    return int(QDialog::Accepted);
  });
  Click(QStringLiteral("FontDialogBtn"));
  EXPECT_EQ(Editor().WholeText(),
            "<U><B><FONT FACE=\"Arial\" SIZE=\"5\" COLOR=\"#FF0000\">sel</FONT></B></U>");

  // The dialog opens with the last font; cancelling inserts nothing.
  Prompts.AnswerDialog([](QDialog& dialog) {
    auto& font = dynamic_cast<FontTagDialog&>(dialog);
    EXPECT_EQ(font.FontName->currentText(), "Arial");
    EXPECT_EQ(font.FontSizeList->currentText(), "5");
    EXPECT_TRUE(font.BoldBox->isChecked());
    EXPECT_FALSE(font.ItalicBox->isChecked());
    EXPECT_TRUE(font.UnderlineBox->isChecked());
    EXPECT_EQ(font.ColorList->currentText(), "Red");
    return int(QDialog::Rejected);
  });
  const QString before = Editor().WholeText();
  Click(QStringLiteral("FontDialogBtn"));
  EXPECT_EQ(Editor().WholeText(), before);
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TagPageTest, DateAndTimeUseTheSystemFormats) {
  OpenPage("");
  const QDateTime moment(QDate(2024, 12, 31), QTime(23, 59, 58));
  Tags().Now = [moment] { return moment; };
  const QLocale locale = QLocale::system();
  const QString date = locale.toString(moment.date(), QLocale::ShortFormat);
  const QString time = locale.toString(moment.time(), QLocale::LongFormat);
  Trigger(QStringLiteral("Date1"));
  EXPECT_EQ(Editor().WholeText(), " " + date + " ");
  Editor().selectAll();
  Trigger(QStringLiteral("Time1"));
  EXPECT_EQ(Editor().WholeText(), " " + time + " ");
  Editor().selectAll();
  Trigger(QStringLiteral("DateTime1"));
  EXPECT_EQ(Editor().WholeText(), " " + date + "/" + time + " ");
  EXPECT_EQ(Form->Command(QStringLiteral("CurrentDateTime1"))->text(), "Current Date/Time");
}

TEST_F(TagPageTest, IncludeWritesTheChosenPagesFullPath) {
  OpenPage("x");
  Editor().SetSelectionPoints({1, 1, 1, 1});
  Prompts.AnswerFile(std::nullopt);
  Trigger(QStringLiteral("Include1"));
  EXPECT_EQ(Editor().WholeText(), "x");

  const QString included = WritePage("footer.htm", "<P>foot</P>");
  Prompts.AnswerFile(included);
  Trigger(QStringLiteral("Include1"));
  EXPECT_EQ(Editor().WholeText(), "x<!--#include FILE=\"" + included + "\"-->");
  EXPECT_EQ(Prompts.LastFileRequest.filter, Form->BuildFileFilter());
  EXPECT_EQ(Prompts.LastFileRequest.filterIndex, 0);
  EXPECT_EQ(Form->Command(QStringLiteral("Include1"))->text(), "# Include...");
}

TEST_F(TagPageTest, ArrowsFillTheAlignmentPopupAndItsEntriesAct) {
  OpenPage("sel");
  auto* popup = Form->findChild<QMenu*>(QStringLiteral("LCRPopup"));
  ASSERT_NE(popup, nullptr);
  QStringList captions;
  for (QAction* entry : popup->actions()) captions << entry->text();
  EXPECT_EQ(captions, QStringList({"none", "left", "center", "right"}));

  const struct {
    const char* Tag;
    int Entry;
    bool UseClosingP;
    const char* Expected;
  } cases[] = {
      {"P", 0, false, "<P>sel</P>"},  // wraps whatever UseClosingP says
      {"P", 1, true, "<P ALIGN=\"left\">sel</P>"},
      {"H4", 2, false, "<H4 ALIGN=\"center\">sel</H4>"},
      {"DIV", 3, false, "<DIV ALIGN=\"right\">sel</DIV>"},
      {"BR", 2, false, "<BR CLEAR=\"all\">"},
      {"HR", 3, false, "<HR ALIGN=\"right\" SIZE=\"2\" WIDTH=\"100%\">sel"},
  };
  for (const auto& c : cases) {
    const QString tag = QString::fromLatin1(c.Tag);
    Form->Settings.UseClosingP = c.UseClosingP;
    Editor().selectAll();
    Editor().ReplaceSelection(QStringLiteral("sel"));
    Editor().selectAll();
    QAbstractButton* arrow = PaletteButton(tag + "Arrow");
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->toolTip(), tag);
    arrow->click();
    EXPECT_TRUE(popup->isVisible()) << c.Tag;
    EXPECT_EQ(popup->pos().y(), arrow->mapToGlobal(QPoint(0, arrow->height())).y());
    captions.clear();
    for (QAction* entry : popup->actions()) captions << entry->text();
    EXPECT_EQ(captions, AlignmentEntries(tag));
    popup->actions().at(c.Entry)->trigger();
    popup->hide();
    EXPECT_EQ(Editor().WholeText(), c.Expected) << c.Tag << ' ' << c.Entry;
  }
}

TEST_F(TagPageTest, PaletteHintsGoToTheStatusBar) {
  OpenPage("");
  for (const char* name : {"BoldBtn", "H3Arrow", "AspLoopBtn"}) {
    QAbstractButton* button = PaletteButton(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(Form->StatusPanels[2]->text(), button->toolTip()) << name;
  }
}

}  // namespace
