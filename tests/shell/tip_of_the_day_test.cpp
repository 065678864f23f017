#include "shell/tip_of_the_day.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "qt_printers.h"
#include "scripted_prompts.h"
#include "shell/helper_notes.h"

namespace {

// What the window shows, read the way the user reads it.
struct Seen {
  QString Title;
  QString Heading;
  QString Tip;
  bool NextVisible;
  bool NextEnabled;
  QString BoxText;
  bool BoxChecked;
};

Seen Look(QDialog& dialog) {
  auto* next = dialog.findChild<QPushButton*>("bNext");
  auto* box = dialog.findChild<QCheckBox*>("cbShowTips");
  return {dialog.windowTitle(),
          dialog.findChild<QLabel*>("lTitle")->text(),
          dialog.findChild<QLabel*>("lTip")->text(),
          !next->isHidden(),
          next->isEnabled(),
          box->text(),
          box->isChecked()};
}

void Click(QDialog& dialog, const char* name) { dialog.findChild<QPushButton*>(name)->click(); }

class TipOfTheDay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Path = Dir.filePath("TIPS.TXT");
    // Ten notes, tips on lines 10..18 and a closing line 19 that must never appear.
    QStringList lines;
    for (int i = 0; i < 10; ++i) lines << QStringLiteral("*note %1").arg(i);
    for (int i = 10; i < 19; ++i) lines << QStringLiteral("^tip %1").arg(i);
    lines << "^never shown";
    Write(lines);
  }

  void Write(const QStringList& lines) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines.join("\r\n").toUtf8() + "\r\n");
  }

  // Runs the tip window once, recording the tips shown, optionally pressing buttons.
  QStringList RunTips(int& tipNumber, bool& show, const std::vector<const char*>& presses = {}) {
    QStringList shown;
    Prompts.AnswerDialog([&](QDialog& dialog) {
      shown << Look(dialog).Tip;
      for (const char* name : presses) {
        Click(dialog, name);
        shown << Look(dialog).Tip;
      }
      Click(dialog, "bClose");
      return dialog.result();
    });
    ShowTipWindow(Prompts, Path, tipNumber, show);
    return shown;
  }

  QTemporaryDir Dir;
  QString Path;
  ScriptedPrompts Prompts;
};

TEST_F(TipOfTheDay, ContinuesFromTheStoredNumberAcrossRuns) {
  int tipNumber = 10;
  bool show = true;

  Prompts.AnswerDialog([](QDialog& dialog) {
    const Seen seen = Look(dialog);
    EXPECT_EQ(seen.Title, "Tip of the day");
    EXPECT_EQ(seen.Heading, "Today's tip...");
    EXPECT_EQ(seen.Tip, "tip 10");
    EXPECT_TRUE(seen.NextVisible && seen.NextEnabled);
    EXPECT_EQ(seen.BoxText, "Show Tips at Startup");
    EXPECT_TRUE(seen.BoxChecked);
    Click(dialog, "bClose");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    return dialog.result();
  });
  ShowTipWindow(Prompts, Path, tipNumber, show);
  EXPECT_EQ(tipNumber, 12);
  EXPECT_TRUE(show);

  EXPECT_EQ(RunTips(tipNumber, show), QStringList{"tip 11"});
  EXPECT_EQ(tipNumber, 13);
  EXPECT_TRUE(Prompts.Messages.empty());
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TipOfTheDay, BrowsingWrapsPastTheLastTipAndStopsAtTheFirst) {
  int tipNumber = 18;
  bool show = true;
  EXPECT_EQ(RunTips(tipNumber, show, {"bNext", "bNext", "bPrevious"}),
            (QStringList{"tip 17", "tip 18", "tip 10", "tip 10"}));
  // The next run continues after the tip seen last.
  EXPECT_EQ(tipNumber, 12);

  tipNumber = 14;
  EXPECT_EQ(RunTips(tipNumber, show, {"bPrevious", "bPrevious", "bPrevious", "bNext"}),
            (QStringList{"tip 13", "tip 12", "tip 11", "tip 10", "tip 11"}));
  EXPECT_EQ(tipNumber, 13);
}

TEST_F(TipOfTheDay, StoredNumbersOutsideTheTipsRestartAtTheFirst) {
  for (int stored : {0, 5, 20, 21, 500}) {
    int tipNumber = stored;
    bool show = true;
    EXPECT_EQ(RunTips(tipNumber, show), QStringList{"tip 10"}) << "stored " << stored;
  }
}

TEST_F(TipOfTheDay, UntickingTheBoxIsStored) {
  int tipNumber = 10;
  bool show = true;
  Prompts.AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QCheckBox*>("cbShowTips")->click();
    Click(dialog, "bClose");
    return dialog.result();
  });
  ShowTipWindow(Prompts, Path, tipNumber, show);
  EXPECT_FALSE(show);

  // And the window opened with tips off shows the box unticked.
  Prompts.AnswerDialog([](QDialog& dialog) {
    EXPECT_FALSE(Look(dialog).BoxChecked);
    return int(QDialog::Rejected);
  });
  ShowTipWindow(Prompts, Path, tipNumber, show);
  EXPECT_FALSE(show);
}

TEST_F(TipOfTheDay, HelperNoteShowsItsLineUnderTheCallersTitle) {
  Prompts.AnswerDialog([](QDialog& dialog) {
    const Seen seen = Look(dialog);
    EXPECT_EQ(seen.Title, "Browser Refresh");
    EXPECT_EQ(seen.Heading, "");
    EXPECT_EQ(seen.Tip, "note 2");
    EXPECT_FALSE(seen.NextVisible);
    EXPECT_TRUE(dialog.findChild<QPushButton*>("bPrevious")->isHidden());
    EXPECT_EQ(seen.BoxText, "Show Helper on next entry");
    EXPECT_TRUE(seen.BoxChecked);
    Click(dialog, "bClose");
    return dialog.result();
  });
  EXPECT_TRUE(ShowHelperNote(Prompts, Path, 3, "Browser Refresh", true));

  for (int n : {1, 10}) {
    Prompts.AnswerDialog([n](QDialog& dialog) {
      EXPECT_EQ(Look(dialog).Tip, QStringLiteral("note %1").arg(n - 1));
      return int(QDialog::Accepted);
    });
    ShowHelperNote(Prompts, Path, n, "Note", true);
  }
  EXPECT_TRUE(Prompts.AllAnswersUsed());
}

TEST_F(TipOfTheDay, HelperNoteUntickedIsNotWantedAgain) {
  Prompts.AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QCheckBox*>("cbShowTips")->setChecked(false);
    Click(dialog, "bClose");
    return dialog.result();
  });
  EXPECT_FALSE(ShowHelperNote(Prompts, Path, 5, "Toggling Image View", true));
}

TEST_F(TipOfTheDay, HelperNoteAlreadyDismissedShowsNothing) {
  // No dialog script is queued: showing a window would fail the test.
  EXPECT_FALSE(ShowHelperNote(Prompts, Path, 3, "Browser Refresh", false));
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(TipOfTheDay, MissingFileIsReportedAndTheWindowSaysOops) {
  Path = Dir.filePath("missing/TIPS.TXT");
  int tipNumber = 10;
  bool show = true;
  Prompts.AnswerDialog([](QDialog& dialog) {
    const Seen seen = Look(dialog);
    EXPECT_EQ(seen.Heading, "Oops...");
    EXPECT_TRUE(seen.Tip.startsWith("Sorry, no tips are available."));
    EXPECT_FALSE(seen.NextEnabled);
    EXPECT_FALSE(dialog.findChild<QPushButton*>("bPrevious")->isEnabled());
    Click(dialog, "bNext");  // disabled: nothing may change
    EXPECT_EQ(Look(dialog).Heading, "Oops...");
    Click(dialog, "bClose");
    return dialog.result();
  });
  ShowTipWindow(Prompts, Path, tipNumber, show);

  ASSERT_EQ(Prompts.Messages.size(), 1u);
  EXPECT_EQ(Prompts.Messages[0].kind, Prompts::Kind::Error);
  EXPECT_TRUE(Prompts.Messages[0].text.startsWith("Could not read the tips file " + Path + ": "))
      << Prompts.Messages[0].text.toStdString();
}

TEST_F(TipOfTheDay, FileTooShortCountsAsNoTips) {
  Write({"*note 0", "*note 1", "^tip", "*end"});
  Prompts.AnswerDialog([](QDialog& dialog) {
    EXPECT_EQ(Look(dialog).Heading, "Oops...");
    EXPECT_FALSE(Look(dialog).NextEnabled);
    return int(QDialog::Accepted);
  });
  EXPECT_TRUE(ShowHelperNote(Prompts, Path, 3, "Browser Refresh", true));
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(TipOfTheDay, ShowingAfterFormShowDoesNotStepAgain) {
  // The real run path calls FormShow and then exec(), which shows the window.
  TfTipOfTheDay window(Path, Prompts);
  window.Index = 13;
  window.FormShow();
  window.show();
  EXPECT_EQ(Look(window).Tip, "tip 12");

  // A window shown without FormShow still shows its entry.
  TfTipOfTheDay plain(Path, Prompts);
  plain.Index = 13;
  plain.show();
  EXPECT_EQ(Look(plain).Tip, "tip 12");
}

}  // namespace
