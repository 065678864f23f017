// Start-up from the settings store, and what shutdown writes back.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTabWidget>

#include "main_window_fixture.h"
#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "platform/settings_store.h"
#include "platform/three_way_splitter.h"
#include "shell/page_documents.h"
#include "shell/tip_of_the_day.h"

namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, FirstStartOnAnEmptyStore) {
  QFile::remove(SettingsPath());
  QString tipShown;
  Prompts.AnswerDialog([&](QDialog& dialog) {
    tipShown = dialog.findChild<QLabel*>("lTip")->text();
    return int(QDialog::Accepted);
  });
  TForm1& form = Start();

  EXPECT_FALSE(form.Pages().PageOpen());
  EXPECT_EQ(form.FileTabs->tabText(form.FileTabs->currentIndex()), "File List");
  EXPECT_FALSE(form.Command("ShowHints1")->isChecked());
  EXPECT_TRUE(form.Command("Viewinlineimages1")->isChecked());
  EXPECT_TRUE(form.HTMLSplit->ImagesEnabled());
  EXPECT_TRUE(form.HTMLFull->ImagesEnabled());
  for (int tab = 10; tab < 14; ++tab) EXPECT_FALSE(form.PowerBook->isTabVisible(tab));
  EXPECT_FALSE(tipShown.isEmpty());
  EXPECT_EQ(form.Settings.TipNumber, 12);

  ASSERT_TRUE(Close());
  // Every value is written with its own type.
  SettingsStore stored;
  EXPECT_EQ(stored.ReadInteger("Helpers", "TipNumber", 0), 12);
  EXPECT_EQ(stored.ReadInteger("Defaults", "FontSizeChange", 0), 2);
  EXPECT_EQ(stored.ReadString("Defaults", "Extension", ""), "html,htm,shtm,shtml");
  EXPECT_EQ(stored.ReadString("Defaults", "FileTabs", ""), "File List");
  EXPECT_TRUE(stored.ReadBool("Defaults", "ShowImages", false));
  EXPECT_FALSE(stored.ReadBool("Defaults", "ShowHints", true));
  EXPECT_GT(stored.ReadInteger("WindowAttributes", "Width", 0), 0);
  EXPECT_FALSE(stored.ReadString("Defaults", "FontName", "").isEmpty());
  const QByteArray file = ReadBytes(SettingsPath());
  EXPECT_EQ(file.count("=dword:"), 46);
  EXPECT_EQ(file.count("=\""), 29);
}

TEST_F(StartupTest, AWrongTypedValueStopsReadingAndIsWrittenBackWithItsType) {
  Store([](SettingsStore& store) {
    store.WriteInteger("Helpers", "TipNumber", 30);       // read before the fault
    store.WriteString("Defaults", "TabSize", "eight");    // the fault
    store.WriteInteger("Defaults", "FontSizeChange", 5);  // after it: not read
  });
  TForm1& form = Start();
  const QStringList texts = Prompts.Texts();
  ASSERT_GE(texts.size(), 3);
  EXPECT_EQ(texts[0], "Exception occured during ReadINI!");
  EXPECT_EQ(texts[1], "Exception occured during FormCreate!");
  EXPECT_TRUE(texts[2].contains("TabSize"));
  EXPECT_EQ(form.Settings.TipNumber, 30);
  EXPECT_EQ(form.Settings.FontSizeChange, 2);

  ASSERT_TRUE(Close());
  SettingsStore stored;
  EXPECT_NO_THROW(stored.ReadInteger("Defaults", "TabSize", -1));
}

TEST_F(StartupTest, AnUnreadableSettingsFileIsReportedOnceAndRewrittenWhole) {
  {
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x00\x01 not a settings file", 21);
  }
  Prompts.AnswerDialog([](QDialog&) { return int(QDialog::Accepted); });  // tips are on again
  Start();
  ASSERT_EQ(Prompts.Messages.size(), 1u);
  EXPECT_TRUE(Prompts.Messages[0].text.contains(SettingsPath()));
  ASSERT_TRUE(Close());
  SettingsStore stored;
  EXPECT_TRUE(stored.LoadError().isEmpty());
  EXPECT_EQ(stored.ReadInteger("Defaults", "FontSizeChange", 0), 2);
}

TEST_F(StartupTest, StoredValuesAreAppliedAndKept) {
  Store([](SettingsStore& store) {
    store.WriteInteger("Defaults", "FontSizeChange", 5);
    store.WriteBool("Defaults", "ShowImages", false);
    store.WriteBool("Defaults", "ShowCustom2", true);
    store.WriteString("Defaults", "Custom2caption", "Mine");
    store.WriteInteger("WindowAttributes", "SplitDirection", 1);
  });
  TForm1& form = Start();
  EXPECT_FALSE(form.Command("Viewinlineimages1")->isChecked());
  EXPECT_FALSE(form.HTMLSplit->ImagesEnabled());
  EXPECT_TRUE(form.PowerBook->isTabVisible(11));
  EXPECT_EQ(form.PowerBook->tabText(11), "Mine");
  EXPECT_EQ(form.SplitScreen->orientation(), Qt::Horizontal);

  form.Command("Viewinlineimages1")->trigger();
  EXPECT_TRUE(form.HTMLSplit->ImagesEnabled());
  EXPECT_TRUE(form.HTMLFull->ImagesEnabled());

  ASSERT_TRUE(Close());
  SettingsStore stored;
  EXPECT_EQ(stored.ReadInteger("Defaults", "FontSizeChange", 0), 5);
  EXPECT_EQ(stored.ReadString("Defaults", "Custom2caption", ""), "Mine");
}

TEST_F(StartupTest, OnlyTheExactFileListCaptionSelectsThatTab) {
  for (const char* value : {"Projects", "file list", "anything", "File List"}) {
    Store([&](SettingsStore& store) { store.WriteString("Defaults", "FileTabs", value); });
    TForm1& form = Start();
    const QString active = form.FileTabs->tabText(form.FileTabs->currentIndex());
    EXPECT_EQ(active, QString(value) == "File List" ? "File List" : "Projects") << value;
    Form.reset();
  }
}

TEST_F(StartupTest, WindowBoundsApplyOnlyWithAStoredWidth) {
  Store([](SettingsStore& store) {
    store.WriteInteger("WindowAttributes", "Width", 0);
    store.WriteInteger("WindowAttributes", "Height", 300);
    store.WriteBool("WindowAttributes", "Maximized", true);
  });
  TForm1& form = Start();
  EXPECT_FALSE(form.isMaximized());
  EXPECT_EQ(form.height(), 456);
}

TEST_F(StartupTest, AutoLoadReopensTheLastPageAndSaysNothingWhenItIsGone) {
  const QString page = WritePage("last.htm", "<P>last</P>");
  Store([&](SettingsStore& store) {
    store.WriteBool("LastFiles", "AutoLoad", true);
    store.WriteString("LastFiles", "File1", page);
  });
  EXPECT_EQ(Start().Pages().CurrentFileName(), page);
  ASSERT_TRUE(Close());
  Form.reset();

  QFile::remove(page);
  EXPECT_FALSE(Start().Pages().PageOpen());
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(StartupTest, HelperNoteUntickedIsNotShownAgain) {
  TForm1& form = Start();
  Prompts.AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QCheckBox*>("cbShowTips")->setChecked(false);
    return int(QDialog::Accepted);
  });
  Prompts.Answer(Prompts::Answer::No);  // the empty newpage.htm question
  form.Pages().New1Click();
  EXPECT_FALSE(form.Settings.NewFile);
  Prompts.Answer(Prompts::Answer::No);
  ASSERT_TRUE(form.Pages().CloseActivePage());
  form.Pages().New1Click();  // no dialog queued: a second note would fail the test
  ASSERT_TRUE(Close());
  EXPECT_FALSE(SettingsStore().ReadBool("Helpers", "NewFile", true));
}

}  // namespace
