// The body statement, parameter and rating dialogs, opened from the page as a user does.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

#include "core/safesurf_label.h"
#include "core/text_points.h"
#include "tag_page_fixture.h"
#include "tags/body_form.h"
#include "tags/parm_form.h"
#include "tags/safesurf_form.h"
#include "tags/source_context.h"

namespace {

class TagDialogTest : public TagPageTest {
 protected:
  SourceContext& Context() { return Form->Context(); }
  // Every page under a name of its own: opening an open page again only shows its tab.
  void Open(const QByteArray& text) {
    static int count = 0;
    const QString name = QStringLiteral("p%1.htm").arg(++count);
    ASSERT_TRUE(Form->Pages().LoadFile(WritePage(name, text.isEmpty() ? "x" : text), false));
    if (text.isEmpty()) Editor().ClearAll();
  }
  void Select(const QString& word) {
    const QString text = Editor().WholeText();
    const TextPoint start = PointAfter({}, text.left(text.indexOf(word)));
    const TextPoint end = PointAfter(start, word);
    Editor().SetSelectionPoints({start.Line, start.Col, end.Line, end.Col});
  }
  template <typename Dialog>
  void Script(const std::function<void(Dialog&)>& play) {
    Prompts.AnswerDialog([play](QDialog& dialog) {
      auto* form = qobject_cast<Dialog*>(&dialog);
      EXPECT_NE(form, nullptr);
      if (form) play(*form);
      return dialog.result();
    });
  }
};

// ------------------------------------------------------------------ body statement

TEST_F(TagDialogTest, BodyDialogOpensOnThePageTagAndWritesItBack) {
  Open("<HTML><HEAD></HEAD><BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000080\">x</BODY></HTML>");
  Script<TBodyForm>([](TBodyForm& body) {
    EXPECT_EQ(body.windowTitle(), QStringLiteral("Body Settings"));
    EXPECT_EQ(body.RadioColor(TBodyForm::BackgroundRadio), RgbColor(255, 255, 255));
    EXPECT_EQ(body.RadioColor(TBodyForm::TextRadio), RgbColor(0, 0, 0x80));
    EXPECT_EQ(body.Radios[TBodyForm::TextRadio]->palette().color(QPalette::WindowText),
              QColor(0, 0, 0x80));
    EXPECT_TRUE(body.PreviewHtml().contains(QStringLiteral("BGCOLOR=\"#FFFFFF\"")));
    EXPECT_EQ(body.LeftMargin->value(), -1);
    body.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
  });
  Select(QStringLiteral("<BODY"));
  Context().WebPageDblClick(Editor());
  EXPECT_EQ(
      Editor().WholeText(),
      QStringLiteral("<HTML><HEAD></HEAD><BODY TEXT=\"#000080\" LINK=\"#000000\" "
                     "ALINK=\"#000000\" VLINK=\"#000000\" BGCOLOR=\"#FFFFFF\" >x</BODY></HTML>"));
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TagDialogTest, BodyDialogWithoutABodyTagWritesOneAfterTheHead) {
  Open("<HTML><HEAD></HEAD>\n</HTML>");
  Script<TBodyForm>([](TBodyForm& body) {
    body.LeftMargin->setValue(0);
    body.FixedBackground->setChecked(true);
    body.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
  });
  Form->Command(QStringLiteral("EditBodyStatement"))->trigger();
  EXPECT_EQ(Editor().LineText(2),
            QStringLiteral("<BODY TEXT=\"#000000\" LINK=\"#000000\" ALINK=\"#000000\" "
                           "VLINK=\"#000000\" BGCOLOR=\"#000000\" LEFTMARGIN=\"0\" "
                           "BGPROPERTIES=\"FIXED\">"));
  EXPECT_EQ(Editor().LineText(1), QStringLiteral("<HTML><HEAD></HEAD>"));
  EXPECT_EQ(Context().BodySettings.LeftMargin, 0);
}

TEST_F(TagDialogTest, BodyDialogBarsColourOnlyTheCheckedRadio) {
  Open("<BODY TEXT=\"#000080\" BGCOLOR=\"#FFFFFF\">");
  Prompts.AnswerColor(std::nullopt);  // the radio click opens the colour dialog
  Script<TBodyForm>([](TBodyForm& body) {
    body.Radios[TBodyForm::BackgroundRadio]->click();
    EXPECT_EQ(body.RBar->value(), 255);
    body.RBar->setValue(0x10);
    EXPECT_EQ(body.RLabel->text(), QStringLiteral("10"));
    EXPECT_EQ(body.RadioColor(TBodyForm::BackgroundRadio), RgbColor(0x10, 255, 255));
    EXPECT_EQ(body.RadioColor(TBodyForm::TextRadio), RgbColor(0, 0, 0x80));
    EXPECT_TRUE(body.PreviewHtml().contains(QStringLiteral("BGCOLOR=\"#10FFFF\"")));
    body.reject();
  });
  Form->Command(QStringLiteral("EditBodyStatement"))->trigger();
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<BODY TEXT=\"#000080\" BGCOLOR=\"#FFFFFF\">"));
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TagDialogTest, BodyDialogCopiesTheChosenBackgroundBesideThePage) {
  QTemporaryDir elsewhere;
  const QString picture = QDir(elsewhere.path()).filePath(QStringLiteral("tile.gif"));
  QFile file(picture);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("GIF89a");
  file.close();
  Open("<BODY>");
  Prompts.AnswerFile(picture);
  Script<TBodyForm>([](TBodyForm& body) {
    body.findChild<QPushButton*>(QStringLiteral("LoadBackground"))->click();
    EXPECT_TRUE(body.PreviewHtml().contains(QStringLiteral("tile.gif")));
    body.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
  });
  Form->Command(QStringLiteral("EditBodyStatement"))->trigger();
  EXPECT_TRUE(Editor().WholeText().startsWith(QStringLiteral("<BODY BACKGROUND=\"tile.gif\" ")));
  EXPECT_EQ(ReadBytes(Pages(QStringLiteral("tile.gif"))), QByteArray("GIF89a"));
  EXPECT_EQ(Context().BodySettings.BackgroundImage, picture);
}

TEST_F(TagDialogTest, BodyTagThatCannotBeReadKeepsTheDialogClosed) {
  for (const char* page : {"<BODY BGCOLOR=\"#GG0000\">", "<BODY TOPMARGIN=\"ten\">"}) {
    Open(page);
    Prompts.Messages.clear();
    Form->Command(QStringLiteral("EditBodyStatement"))->trigger();  // no dialog script queued
    EXPECT_EQ(Editor().WholeText(), QString::fromLatin1(page));
    ASSERT_EQ(Prompts.Messages.size(), 1u);
    EXPECT_TRUE(Prompts.Messages[0].text.endsWith(QStringLiteral("is not a valid integer value")));
  }
}

// ------------------------------------------------------------------ parameter dialog

TEST_F(TagDialogTest, DoubleClickOnAlignOpensTheParameterPageAndRewritesIt) {
  Open("<P ALIGN=\"center\">x");
  Script<TParmForm>([](TParmForm& parms) {
    EXPECT_EQ(parms.PageName(), QStringLiteral("align"));
    EXPECT_EQ(parms.alignlist->currentText(), QStringLiteral("center"));
    parms.alignlist->setCurrentText(QStringLiteral("right"));
    parms.OkClick();
  });
  Select(QStringLiteral("ALIGN=\"center\""));
  Context().WebPageDblClick(Editor());
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<P ALIGN=\"right\">x"));

  Open("<TD VALIGN=TOP SIZE=9>");
  Script<TParmForm>([](TParmForm& parms) {
    EXPECT_EQ(parms.PageName(), QStringLiteral("valign"));
    EXPECT_EQ(parms.valignlist->currentText(), QStringLiteral("top"));
    parms.reject();
  });
  Select(QStringLiteral("VALIGN=TOP"));
  Context().WebPageDblClick(Editor());
  Script<TParmForm>([](TParmForm& parms) {
    EXPECT_EQ(parms.PageName(), QStringLiteral("size"));
    EXPECT_EQ(parms.sizelist->currentText(), QStringLiteral("1"));  // no such entry: the first
    parms.OkClick();
  });
  Select(QStringLiteral("SIZE=9"));
  Context().WebPageDblClick(Editor());
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<TD VALIGN=TOP SIZE=\"1\">"));
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TagDialogTest, MetaEmbedAndParamCommandsWriteTheirTags) {
  Open("");
  Script<TParmForm>([](TParmForm& parms) {
    EXPECT_EQ(parms.PageName(), QStringLiteral("meta"));
    parms.MetaName->setText(QStringLiteral("keywords"));
    parms.MetaContent->setText(QStringLiteral("web, html"));
    parms.OkClick();
  });
  Form->Command(QStringLiteral("Meta1"))->trigger();
  EXPECT_EQ(Editor().WholeText(),
            QStringLiteral("<META NAME=\"keywords\" CONTENT=\"web, html\" >"));
  EXPECT_TRUE(Form->Context().ParmForm().MetaName->text().isEmpty());

  Open("");
  Script<TParmForm>([](TParmForm& parms) {
    parms.EmbedSrc->setText(QStringLiteral("clip.avi"));
    parms.EmbedWidth->setValue(120);
    parms.OkClick();
  });
  Form->Command(QStringLiteral("Embed1"))->trigger();
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<EMBED SRC=\"clip.avi\" WIDTH=\"120\">"));
  EXPECT_TRUE(Form->Context().ParmForm().EmbedSrc->text().isEmpty());

  Open("");
  Script<TParmForm>([](TParmForm& parms) { parms.OkClick(); });  // empty source: nothing
  Form->Command(QStringLiteral("Embed1"))->trigger();
  EXPECT_EQ(Editor().WholeText(), QString());

  Script<TParmForm>([](TParmForm& parms) {
    parms.PName->setText(QStringLiteral("speed"));
    parms.PValue->setText(QStringLiteral("5"));
    parms.OkClick();
  });
  Form->Command(QStringLiteral("Param1"))->trigger();
  EXPECT_EQ(Editor().WholeText(), QStringLiteral("<PARAM NAME=\"speed\" VALUE=\"5\">"));
  // The same window keeps the parameter inputs.
  Script<TParmForm>([](TParmForm& parms) {
    EXPECT_EQ(parms.PName->text(), QStringLiteral("speed"));
    parms.reject();
  });
  Form->Command(QStringLiteral("Param1"))->trigger();
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TagDialogTest, MetaTagCommandPresetsFromTheNextMetaInCapitals) {
  Open("<HEAD><META NAME=\"Author\" CONTENT=\"Ann\"></HEAD>");
  Script<TParmForm>([](TParmForm& parms) {
    EXPECT_EQ(parms.MetaName->text(), QStringLiteral("AUTHOR"));
    EXPECT_EQ(parms.MetaContent->text(), QStringLiteral("ANN"));
    parms.MetaName->setText(QStringLiteral("Author"));
    parms.MetaContent->setText(QStringLiteral("Bo"));
    parms.OkClick();
  });
  Form->Command(QStringLiteral("MetaTag1"))->trigger();
  EXPECT_EQ(Editor().WholeText(),
            QStringLiteral("<HEAD><META NAME=\"Author\" CONTENT=\"Bo\" ></HEAD>"));
}

// ------------------------------------------------------------------ rating label

TEST_F(TagDialogTest, RatingLabelGoesAfterTheTitleAndReadsBack) {
  Open("<HEAD><TITLE>t</TITLE>\n</HEAD>");
  Script<TSafeSurfForm>([](TSafeSurfForm& rating) {
    EXPECT_EQ(rating.QuestionLabel->text(), QStringLiteral("Question 1 of 12"));
    rating.PrevClick();
    EXPECT_EQ(rating.QuestionLabel->text(), QStringLiteral("Question 1 of 12"));
    EXPECT_EQ(rating.Lists[0]->itemText(3), QStringLiteral("3) Teens"));
    rating.Lists[0]->setCurrentIndex(3);
    for (int i = 0; i < 13; ++i) rating.NextClick();
    EXPECT_EQ(rating.QuestionLabel->text(), QStringLiteral("Question 12 of 12"));
    rating.GenericTrue->setChecked(true);
    rating.WebURL->setText(QStringLiteral("http://ann.example.net/"));
    rating.OkClick();
  });
  Form->Command(QStringLiteral("SafeSurfRating1"))->trigger();
  SafeSurfRating expected;
  expected.Levels[0] = 3;
  expected.GenericTrue = true;
  expected.SiteUrl = QStringLiteral("http://ann.example.net/");
  EXPECT_EQ(Editor().LineText(2), BuildSafeSurfLabel(expected));
  EXPECT_EQ(Editor().LineText(1), QStringLiteral("<HEAD><TITLE>t</TITLE>"));

  Script<TSafeSurfForm>([](TSafeSurfForm& rating) {
    EXPECT_EQ(rating.Lists[0]->currentIndex(), 3);
    EXPECT_TRUE(rating.GenericTrue->isChecked());
    EXPECT_EQ(rating.WebURL->text(), QStringLiteral("http://ann.example.net/"));
    rating.Lists[1]->setCurrentIndex(2);
    rating.OkClick();
  });
  Form->Command(QStringLiteral("SafeSurfRating1"))->trigger();
  expected.Levels[1] = 2;
  EXPECT_EQ(Editor().LineText(2), BuildSafeSurfLabel(expected));
  EXPECT_EQ(Editor().LineCount(), 3);
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TagDialogTest, RatingLabelWithANonDigitLevelShowsTheConversionError) {
  const QByteArray page =
      "<META http-equiv=\"PICS-Label\" content='(PICS-1.0 \"x\" l  r (SS~~000 Q))'>";
  Open(page);
  Form->Command(QStringLiteral("SafeSurfRating1"))->trigger();  // no dialog script queued
  EXPECT_EQ(Prompts.Texts(), QStringList({"'Q' is not a valid integer value"}));
  EXPECT_EQ(Editor().WholeText(), QString::fromLatin1(page));
}

}  // namespace
