// The project tree: its file, what it says about the selected entry, the menus it
// enables and its mouse and keys.
#include <Qsci/qscicommandset.h>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QTreeWidget>
#include <csignal>

#include "platform/editor_surface.h"
#include "project_test_support.h"
#include "projects/project_tree.h"
#include "shell/page_documents.h"

namespace {

const QString OpenFileMessage =
    "Selected operation may not be performed on an open file.  Please close the file and try "
    "again.";

class ProjectTreeTest : public ProjectTestBase {
 protected:
  QTreeWidget& Outline() { return *Form->Outline1; }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&Outline(), &press);
  }
  // The tree as the widget shows it.
  QStringList Shown() {
    QStringList shown;
    for (int i = 0; i < Outline().topLevelItemCount(); ++i) {
      const QTreeWidgetItem* project = Outline().topLevelItem(i);
      shown << project->text(0);
      for (int j = 0; j < project->childCount(); ++j) shown << "\t" + project->child(j)->text(0);
    }
    return shown;
  }
  QStringList Enabled(const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names)
      if (Form->Command(name)->isEnabled()) enabled << name;
    return enabled;
  }
  const QStringList MenuItems = {"ViewPage1",
                                 "AddPage",
                                 "AddPage1",
                                 "ImportPage",
                                 "Importpage1",
                                 "DeletePage",
                                 "DeletePage1",
                                 "CopyMovePage",
                                 "CopyMovePage1",
                                 "ChangeDescription",
                                 "ChangeDescription1",
                                 "RenameFile",
                                 "RenamePage1",
                                 "Removefromproject",
                                 "Removefilefromproject1",
                                 "QuikFTPSend",
                                 "FTPSend",
                                 "EditProject",
                                 "DeleteProject",
                                 "DeleteProject1",
                                 "FindProjectOrphans",
                                 "FindOrphans",
                                 "Pages",
                                 "NewProject",
                                 "AddProject1"};
};

TEST_F(ProjectTreeTest, FirstStartShowsTheWelcomeProjectAndShutdownWritesIt) {
  Start();
  EXPECT_EQ(Shown(), QStringList({"Welcome - Welcome", "\tInternational Vendors - internat.htm",
                                  "\tReadme File - readme.htm",
                                  "\tSafesurf Ratings Explanation - ssplan.htm",
                                  "\tUpdate notices - updates.htm"}));
  ASSERT_NE(Outline().currentItem(), nullptr);
  EXPECT_EQ(Outline().currentItem()->text(0), "Welcome - Welcome");
  EXPECT_EQ(Outline().toolTip(), "Double click to open page or right click for popup menu");
  EXPECT_FALSE(QFile::exists(ProgramDir() + "project.dat"));

  Tree().AddThePage("About - about.htm", 1);
  ASSERT_TRUE(Close());
  EXPECT_EQ(ReadBytes(ProgramDir() + "project.dat"),
            "Welcome - Welcome\r\n\tAbout - about.htm\r\n\tInternational Vendors - internat.htm\r\n"
            "\tReadme File - readme.htm\r\n\tSafesurf Ratings Explanation - ssplan.htm\r\n"
            "\tUpdate notices - updates.htm\r\n");
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(ProjectTreeTest, AnUnchangedProjectListIsWrittenBackByteForByte) {
  const QByteArray latin = "Caf\xE9 - cafe\r\n\tMen\xFC - menu.htm\r\nSite - site\r\n";
  WriteProjectDat(latin);
  Start();
  EXPECT_EQ(Shown(), QStringList({QString::fromUtf8("Caf\u00E9 - cafe"),
                                  QString::fromUtf8("\tMen\u00FC - menu.htm"), "Site - site"}));
  ASSERT_TRUE(Close());
  EXPECT_EQ(ReadBytes(ProgramDir() + "project.dat"), latin);
}

TEST_F(ProjectTreeTest, ABadlyNestedLineKeepsTheEntriesBeforeItAndTheWholeFile) {
  const QByteArray bad = "Site - site\r\n\tHome - index.htm\r\n\t\tLost - lost.htm\r\nNext - n\r\n";
  WriteProjectDat(bad);
  Start();
  EXPECT_EQ(Shown(), QStringList({"Site - site", "\tHome - index.htm"}));
  ASSERT_EQ(Prompts.Messages.size(), 1u);
  EXPECT_EQ(Prompts.Messages[0].kind, Prompts::Kind::Warning);
  EXPECT_TRUE(Prompts.Messages[0].text.startsWith("Line 3 of " + ProgramDir() + "project.dat"))
      << Prompts.Messages[0].text.toStdString();
  EXPECT_TRUE(Prompts.Messages[0].text.contains("project.dat.bak"));
  EXPECT_EQ(ReadBytes(ProgramDir() + "project.dat.bak"), bad);

  ASSERT_TRUE(Close());
  EXPECT_EQ(ReadBytes(ProgramDir() + "project.dat"), "Site - site\r\n\tHome - index.htm\r\n");
  EXPECT_EQ(ReadBytes(ProgramDir() + "project.dat.bak"), bad);
}

TEST_F(ProjectTreeTest, AProjectListThatCannotBeWrittenIsReportedAndKept) {
  const QByteArray old = "Site - site\r\n\tHome - index.htm\r\n";
  WriteProjectDat(old);
  Start();
  Tree().AddThePage("About - about.htm", 1);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved;
  limit.rlim_cur = 8;  // the disk is full
  setrlimit(RLIMIT_FSIZE, &limit);
  const bool closed = Close();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_TRUE(closed);
  ASSERT_FALSE(Prompts.Messages.empty());
  EXPECT_EQ(Prompts.Messages[0].kind, Prompts::Kind::Error);
  EXPECT_TRUE(Prompts.Messages[0].text.startsWith(
      "The project list could not be saved. Could not write " + ProgramDir() + "project.dat"))
      << Prompts.Messages[0].text.toStdString();
  EXPECT_EQ(ReadBytes(ProgramDir() + "project.dat"), old);
}

TEST_F(ProjectTreeTest, ProjectDirectoriesAreAbsoluteOrBelowTheProgramDirectory) {
  WriteProjectDat(
      "Abs - %site%/\r\n\tPage - page.htm\r\nRel - Site\r\n\tOther - sub/other.htm\r\n"
      "Empty - \r\n\tLone - lone.htm\r\n");
  Start();
  Select("Abs - " + Site() + "/");
  EXPECT_EQ(Tree().GetProjectDirectory(), Site());
  Select("Page - page.htm");
  EXPECT_EQ(Tree().GetProjectDirectory(), Site());
  EXPECT_EQ(Tree().GetSelectedFilename(), Pages("page.htm"));
  Select("Rel - Site");
  EXPECT_EQ(Tree().GetProjectDirectory(), ProgramDir() + "Site");
  Select("Other - sub/other.htm");
  EXPECT_EQ(Tree().GetSelectedFilename(), ProgramDir() + "Site/sub/other.htm");
  Select("Lone - lone.htm");  // a project without a target: the page's own target counts
  EXPECT_EQ(Tree().GetProjectDirectory(), ProgramDir() + "lone.htm");
}

TEST_F(ProjectTreeTest, MenusFollowTheSelectedEntry) {
  WriteProjectDat(
      "Site - %site%\r\n\t#Default Project Settings - PROJECT.INI\r\n\tHome - index.htm\r\n"
      "\tOpen - open.htm\r\nBare - Bare\r\n\tPage - p.htm\r\n");
  WritePage("PROJECT.INI", "[PROJECT]\r\nWebURL=www.example.com\r\nFTPDirectory=pub&lic\r\n");
  const QString open = WritePage("open.htm", "<HTML></HTML>");
  Start();
  Form->Pages().LoadFile(open, true);

  Select("Site - " + Site());
  Tree().CheckProjectMenu();
  Tree().CheckPageMenu();
  EXPECT_EQ(
      Enabled(MenuItems),
      QStringList({"AddPage", "AddPage1", "ImportPage", "Importpage1", "QuikFTPSend", "FTPSend",
                   "EditProject", "DeleteProject", "DeleteProject1", "FindProjectOrphans",
                   "FindOrphans", "Pages", "NewProject", "AddProject1"}));
  EXPECT_EQ(Form->Command("QuikFTPSend")->text(), "Send entire site to www.example.com/pub&&lic");
  EXPECT_EQ(Form->Command("FTPSend")->text(), Form->Command("QuikFTPSend")->text());

  Select("Home - index.htm");
  Key(Qt::Key_Shift);  // every key press in the tree checks the menus first
  EXPECT_EQ(Enabled(MenuItems), QStringList({"ViewPage1",
                                             "AddPage",
                                             "AddPage1",
                                             "ImportPage",
                                             "Importpage1",
                                             "DeletePage",
                                             "DeletePage1",
                                             "CopyMovePage",
                                             "CopyMovePage1",
                                             "ChangeDescription",
                                             "ChangeDescription1",
                                             "RenameFile",
                                             "RenamePage1",
                                             "Removefromproject",
                                             "Removefilefromproject1",
                                             "QuikFTPSend",
                                             "FTPSend",
                                             "Pages",
                                             "NewProject",
                                             "AddProject1"}));
  EXPECT_EQ(Form->Command("FTPSend")->text(), "Send to www.example.com/pub&&lic");

  Select("Open - open.htm");  // an open page cannot be sent
  Key(Qt::Key_Shift);
  EXPECT_FALSE(Form->Command("QuikFTPSend")->isEnabled());
  EXPECT_EQ(Form->Command("QuikFTPSend")->text(), "Send to website...");
  EXPECT_EQ(Form->Command("FTPSend")->text(), "Send to website...");

  Select("Bare - Bare");  // no settings file
  Tree().CheckPageMenu();
  EXPECT_EQ(Form->Command("QuikFTPSend")->text(), "Send entire site to /");

  Tree().Change([](ProjectTreeModel& tree) {
    while (!tree.IsEmpty()) tree.Delete(1);
  });
  Key(Qt::Key_Shift);
  EXPECT_EQ(Enabled(MenuItems), QStringList({"NewProject", "AddProject1"}));
  EXPECT_EQ(Form->Command("QuikFTPSend")->text(), "Send to website...");
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(ProjectTreeTest, ASiteWithoutFtpDirectoryEndsInASlash) {
  WriteProjectDat("Site - %site%\r\n");
  WritePage("PROJECT.INI", "[project]\r\nweburl=host.example\r\n");
  Start();
  EXPECT_EQ(Tree().GetSiteAddress(), "host.example/");
  Tree().CheckPageMenu();
  EXPECT_EQ(Form->Command("FTPSend")->text(), "Send entire site to host.example/");
}

TEST_F(ProjectTreeTest, DoubleClickOpensAPageOnceAndEnterOpensItAgain) {
  WriteProjectDat(
      "Site - %site%\r\n\t#Default Project Settings - PROJECT.INI\r\n\tHome - index.htm\r\n");
  const QString home = WritePage("index.htm", "<HTML>home</HTML>");
  const QString settings = WritePage("PROJECT.INI", "[PROJECT]\r\n");
  Start();

  Select("Site - " + Site());
  Tree().Outline1DblClick();  // a project opens nothing
  EXPECT_FALSE(Form->Pages().PageOpen());

  // The settings entry opens the project's settings, not a page.
  QStringList captions;
  for (int i = 0; i < 2; ++i)
    Prompts.AnswerDialog([&captions](QDialog& dialog) {
      captions << dialog.windowTitle();
      return int(QDialog::Rejected);
    });
  Select("#Default Project Settings - PROJECT.INI");
  Tree().Outline1DblClick();
  Key(Qt::Key_Return);
  EXPECT_FALSE(Form->Pages().PageOpen());
  EXPECT_EQ(captions, QStringList({"Modify Project Settings", "Modify Project Settings"}));

  Select("Home - index.htm");
  Tree().Outline1DblClick();
  ASSERT_EQ(Form->Pages().PageList().size(), 1u);
  EXPECT_EQ(Form->Pages().CurrentFileName(), home);
  EXPECT_TRUE(Form->Pages().PageList()[0].InProject);
  EXPECT_TRUE(Outline().isEnabled());
  EXPECT_TRUE(Prompts.Messages.empty());

  Tree().Outline1DblClick();
  EXPECT_EQ(Prompts.Texts(), QStringList({OpenFileMessage}));
  EXPECT_EQ(Prompts.Messages[0].kind, Prompts::Kind::Information);
  Key(Qt::Key_Return);  // no check: LoadFile brings the page's own tab forward
  EXPECT_EQ(Prompts.Texts(), QStringList({OpenFileMessage}));
  EXPECT_EQ(Form->Pages().PageList().size(), 1u);

  Select("#Default Project Settings - PROJECT.INI");
  Key(Qt::Key_F3);  // F3 opens the settings file as text
  EXPECT_EQ(Form->Pages().CurrentFileName(), settings);
  EXPECT_TRUE(Form->Pages().PageList()[1].InProject);
  Select("Site - " + Site());
  Key(Qt::Key_F3);  // not on a project
  EXPECT_EQ(Form->Pages().PageList().size(), 2u);
}

TEST_F(ProjectTreeTest, AProjectFileIsOpenWhenAnyOfItsPagesIs) {
  WriteProjectDat(
      "Other - other\r\n\tA - a.htm\r\nSite - %site%\r\n\tA - a.htm\r\n\tB - b.htm\r\n");
  const QString b = WritePage("b.htm", "B");
  Start();
  Select("Site - " + Site());
  Tree().Change([](ProjectTreeModel& tree) { tree.SetExpanded(3, false); });
  EXPECT_FALSE(Tree().IsAProjectFileOpen());
  EXPECT_TRUE(Tree().Model().IsExpanded(3)) << "the branch stays expanded";

  Form->Pages().LoadFile(b, true);
  Tree().Change([](ProjectTreeModel& tree) { tree.SetExpanded(3, false); });
  EXPECT_TRUE(Tree().IsAProjectFileOpen());
  EXPECT_EQ(Tree().Model().Selected(), 3);
  EXPECT_EQ(Outline().currentItem()->text(0), "Site - " + Site());
  EXPECT_TRUE(Prompts.Messages.empty());

  Select("B - b.htm");
  EXPECT_FALSE(Tree().IsAProjectFileOpen()) << "only a project asks this";
  EXPECT_TRUE(Tree().IsSelectedFileOpen(false));
}

TEST_F(ProjectTreeTest, DeleteChildrenRemovesPageFilesAndAsksAboutTheOnesThatWillNotGo) {
  WriteProjectDat(
      "Site - %site%\r\n\t#Default Project Settings - PROJECT.INI\r\n\tA - a.htm\r\n"
      "\tMissing - missing.htm\r\n\tZ - z.htm\r\nNext - next\r\n");
  const QString settings = WritePage("PROJECT.INI", "[PROJECT]\r\n");
  const QString a = WritePage("a.htm", "A");
  WritePage("a.htm_", "working copy");
  const QString z = WritePage("z.htm", "Z");
  Start();
  Select("Site - " + Site());

  Prompts.Answer(Prompts::Answer::No);
  Tree().DeleteChildren();
  EXPECT_EQ(Prompts.Texts(), QStringList({"Error removing file " + Pages("missing.htm") +
                                          ". Would you like to remove the project from the "
                                          "list anyway?"}));
  EXPECT_EQ(Prompts.Messages[0].kind, Prompts::Kind::Warning);
  EXPECT_EQ(Prompts.Messages[0].buttons, Prompts::Buttons::YesNo);
  EXPECT_FALSE(QFile::exists(settings));
  EXPECT_FALSE(QFile::exists(a));
  EXPECT_FALSE(QFile::exists(a + "_"));
  EXPECT_TRUE(QFile::exists(z));
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "\tMissing - missing.htm", "\tZ - z.htm",
                                  "Next - next"}));

  Prompts.Answer(Prompts::Answer::Yes);
  Tree().DeleteChildren();
  EXPECT_FALSE(QFile::exists(z));
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "Next - next"}));
  EXPECT_EQ(Tree().Model().Selected(), 1);
}

TEST_F(ProjectTreeTest, DeleteKeyRunsTheDeleteCommandOfTheSelectedEntry) {
  WriteProjectDat("Site - site\r\n\tHome - index.htm\r\n");
  Start();
  int projectDeletes = 0;
  int pageDeletes = 0;
  QObject::connect(Form->Command("DeleteProject"), &QAction::triggered, [&] { ++projectDeletes; });
  QObject::connect(Form->Command("DeletePage"), &QAction::triggered, [&] { ++pageDeletes; });
  // Each command asks first; the user cancels both.
  Prompts.Answer(Prompts::Answer::Cancel);
  Prompts.Answer(Prompts::Answer::Cancel);
  Select("Site - site");
  Key(Qt::Key_Delete);
  EXPECT_EQ(projectDeletes, 1);
  EXPECT_EQ(pageDeletes, 0);
  Select("Home - index.htm");
  Key(Qt::Key_Delete);
  EXPECT_EQ(projectDeletes, 1);
  EXPECT_EQ(pageDeletes, 1);
  EXPECT_EQ(Prompts.Texts(), QStringList({"Project contains documents, remove everything?",
                                          "Delete selected file?"}));
}

TEST_F(ProjectTreeTest, ThePageEditorLeavesTheMenuShortcutsToTheMenu) {
  Start();
  for (const char* name : {"AddPage", "ChangeDescription", "RenameFile"}) {
    const QKeySequence shortcut = Form->Command(name)->shortcut();
    ASSERT_FALSE(shortcut.isEmpty()) << name;
    EXPECT_EQ(Form->WebPage->standardCommands()->boundTo(shortcut[0].toCombined()), nullptr)
        << name;
  }
}

TEST_F(ProjectTreeTest, ThePopupMenuIsCheckedBeforeItShows) {
  WriteProjectDat("Site - site\r\n\tHome - index.htm\r\n");
  Start();
  Select("Home - index.htm");
  Form->Command("ViewPage1")->setEnabled(false);
  Tree().ShowPopup(Outline().mapToGlobal(QPoint(5, 5)));
  EXPECT_TRUE(Tree().ProjectPopup->isVisible());
  EXPECT_TRUE(Form->Command("ViewPage1")->isEnabled());
  EXPECT_FALSE(Form->Command("DeleteProject1")->isEnabled());
  Tree().ProjectPopup->close();
}

TEST_F(ProjectTreeTest, CollapsingABranchMovesTheSelectionToItsProject) {
  WriteProjectDat("Site - site\r\n\tHome - index.htm\r\n\tMore - more.htm\r\n");
  Start();
  QTreeWidgetItem* site = Outline().topLevelItem(0);
  site->setExpanded(true);
  Outline().setCurrentItem(site->child(1));
  EXPECT_EQ(Tree().Model().Selected(), 3);
  site->setExpanded(false);
  EXPECT_EQ(Tree().Model().Selected(), 1);
  EXPECT_EQ(Outline().currentItem()->text(0), "Site - site");

  Tree().Change([](ProjectTreeModel& tree) { tree.SetExpanded(1, true); });
  EXPECT_EQ(Tree().AddThePage("Contact - contact.htm"), 2);
  EXPECT_EQ(Outline().currentItem()->text(0), "Contact - contact.htm");
}

}  // namespace
