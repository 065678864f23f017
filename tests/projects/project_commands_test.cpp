// The project and page commands: import, delete, copy and move, describe, rename, remove
// and delete projects.
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "main_window_fixture.h"
#include "platform/editor_surface.h"
#include "project_test_support.h"
#include "projects/copy_move_form.h"
#include "projects/project_commands.h"
#include "shell/page_documents.h"

namespace {

const QString ImagesMissing = "Could not find one or more images in source directory";
const QString OpenFile =
    "Selected operation may not be performed on an open file.  Please close the file and try "
    "again.";

class ProjectCommandsTest : public ProjectTestBase {
 protected:
  // Source pages outside the project.
  QString WriteSource(const QString& name, const QByteArray& bytes) {
    const QString path = Source.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QTemporaryDir Source;
  // A second project beside the pages folder.
  QString Other() const {
    return QFileInfo(Site()).absolutePath() + "/other_" + QFileInfo(Site()).fileName();
  }
};

TEST_F(ProjectCommandsTest, ImportAsksForEachDescriptionAndCopiesThePages) {
  WriteProjectDat("Site - %site%\r\n\tZ - z.htm\r\n");
  const QString one = WriteSource("one.htm", "<HTML><TITLE>A very long page title indeed</TITLE>");
  const QString two = WriteSource("two.htm", "two");
  const QString three = WriteSource("Three.htm", "three");
  Start();
  Select("Z - z.htm");
  Prompts.AnswerFiles(QStringList({one, two, three}));
  Prompts.AnswerInput(QString());
  Prompts.AnswerInput(std::nullopt);
  Prompts.AnswerInput(QString("Third-page"));
  Form->Command("ImportPage")->trigger();

  EXPECT_EQ(Prompts.LastFileRequest.filterIndex, 0);
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "\tA very long page title in - one.htm",
                                  "\tThird page - Three.htm", "\tZ - z.htm"}));
  EXPECT_EQ(ReadBytes(Pages("one.htm")), ReadBytes(one));
  EXPECT_EQ(ReadBytes(Pages("Three.htm")), "three");
  EXPECT_FALSE(QFileInfo::exists(Pages("two.htm")));
  EXPECT_FALSE(Form->Pages().PageOpen());
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(ProjectCommandsTest, ImportNeverOverwritesAndTakesAPageAlreadyInTheProject) {
  WriteProjectDat("Site - %site%\r\n");
  const QString inside = WritePage("in.htm", "inside");
  WritePage("clash.htm", "project's own");
  const QString clash = WriteSource("clash.htm", "imported");
  Start();
  Select("Site - " + Site());
  Prompts.AnswerFiles(QStringList({inside, clash}));
  Prompts.AnswerInput(QString("In"));
  Prompts.AnswerInput(QString("Clash"));
  Form->ProjectActions().ImportPageClick();
  EXPECT_EQ(ReadBytes(inside), "inside");
  EXPECT_EQ(ReadBytes(Pages("clash.htm")), "project's own");
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "\tClash - clash.htm", "\tIn - in.htm"}));
}

TEST_F(ProjectCommandsTest, ImportCopiesMissingImagesButNeverOutsideTheProject) {
  // The project lies two levels down, so "../../" from it still lands in the test's folder.
  const QString project = Site() + "/a/b";
  QDir().mkpath(project);
  WriteProjectDat(("Site - " + project + "\r\n").toUtf8());
  WriteSource("a/b/pic.gif", "GIF89a pic");
  WriteSource("a/b/back.gif", "GIF89a back");
  WriteSource("a/b/sub/deep.gif", "GIF89a deep");
  WriteSource("escape.gif", "GIF89a escape");
  const QString page =
      WriteSource("a/b/page.htm",
                  "<HTML><BODY BACKGROUND=\"back.gif\">\r\n<IMG SRC=\"pic.gif\">\r\n"
                  "<IMG SRC=\"sub/deep.gif\">\r\n<IMG SRC=\"../../escape.gif\">\r\n"
                  "<IMG SRC=\"" +
                      Source.filePath("escape.gif").toUtf8() + "\">\r\n</BODY></HTML>");
  Start();
  Select("Site - " + project);
  Prompts.AnswerFiles(QStringList({page}));
  Prompts.AnswerInput(QString("Page"));
  Form->Command("Importpage1")->trigger();

  EXPECT_EQ(ReadBytes(project + "/pic.gif"), "GIF89a pic");
  EXPECT_EQ(ReadBytes(project + "/back.gif"), "GIF89a back");
  EXPECT_FALSE(QFileInfo::exists(project + "/sub/deep.gif"));  // no subdirectory: skipped quietly
  EXPECT_FALSE(QFileInfo::exists(Site() + "/escape.gif"));
  EXPECT_EQ(Prompts.Texts(), QStringList({ImagesMissing}));
  EXPECT_EQ(Shown(), QStringList({"Site - " + project, "\tPage - page.htm"}));
}

TEST_F(ProjectCommandsTest, ImageDestinationsStayInTheProject) {
  const std::pair<const char*, const char*> cases[] = {{"a.gif", "/p/a.gif"},
                                                       {"img/a.gif", "/p/img/a.gif"},
                                                       {"img/../a.gif", "/p/a.gif"},
                                                       {"../a.gif", ""},
                                                       {"img/../../a.gif", ""},
                                                       {"/etc/a.gif", ""},
                                                       {"c:\\a.gif", ""},
                                                       {"http://x/a.gif", ""},
                                                       {"..\\a.gif", ""},
                                                       {"", ""}};
  for (const auto& [reference, destination] : cases)
    EXPECT_EQ(ProjectCommands::ImageDestination("/p", reference), destination) << reference;
}

TEST_F(ProjectCommandsTest, DeleteAndRemovePagesAskFirst) {
  WriteProjectDat("Site - %site%\r\n\tA - a.htm\r\n\tB - b.htm\r\n\tC - c.htm\r\n");
  for (const char* name : {"a.htm", "a.htm_", "b.htm", "c.htm"}) WritePage(name, "x");
  Start();
  Select("A - a.htm");
  Prompts.Answer(Prompts::Answer::Cancel);
  Form->Command("DeletePage")->trigger();
  EXPECT_TRUE(QFileInfo::exists(Pages("a.htm")));
  Prompts.Answer(Prompts::Answer::Ok);
  Form->Command("DeletePage1")->trigger();
  EXPECT_FALSE(QFileInfo::exists(Pages("a.htm")));
  EXPECT_FALSE(QFileInfo::exists(Pages("a.htm_")));

  const QString remove =
      "Remove selected file from project?\r(File will not be deleted from drive)";
  Select("B - b.htm");
  Prompts.Answer(Prompts::Answer::Cancel);
  Form->Command("Removefromproject")->trigger();
  Prompts.Answer(Prompts::Answer::Ok);
  Form->Command("Removefilefromproject1")->trigger();
  EXPECT_TRUE(QFileInfo::exists(Pages("b.htm")));
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "\tC - c.htm"}));
  EXPECT_EQ(Prompts.Texts(),
            QStringList({"Delete selected file?", "Delete selected file?", remove, remove}));
  EXPECT_EQ(Prompts.Messages[0].kind, Prompts::Kind::Warning);
  EXPECT_EQ(Prompts.Messages[0].buttons, Prompts::Buttons::OkCancel);

  // An open page is refused by every page command that touches its file.
  Prompts.Messages.clear();
  Select("C - c.htm");
  ASSERT_TRUE(Form->Pages().LoadFile(Pages("c.htm"), true));
  Form->ProjectActions().DeletePageClick();
  Form->ProjectActions().CopyMovepageClick();
  Form->ProjectActions().RenameFileClick();
  Form->ProjectActions().RemovefromprojectClick();
  EXPECT_EQ(Prompts.Texts(), QStringList({OpenFile, OpenFile, OpenFile, OpenFile}));
  EXPECT_EQ(ReadBytes(Pages("c.htm")), "x");
}

TEST_F(ProjectCommandsTest, ChangeDescriptionResortsPagesAndKeepsProjectsInPlace) {
  WriteProjectDat(
      "Site - %site%\r\n\t#Default Project Settings - PROJECT.INI\r\n\tA - a.htm\r\n\tB - b.htm\r\n"
      "Zoo - zoo\r\n");
  Start();
  Select("A - a.htm");
  Prompts.AnswerInput(QString("C"));
  Form->Command("ChangeDescription")->trigger();
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "\t#Default Project Settings - PROJECT.INI",
                                  "\tB - b.htm", "\tC - a.htm", "Zoo - zoo"}));
  EXPECT_EQ(SelectedText(), "C - a.htm");

  Prompts.AnswerInput(QString("Has-dash"));
  Form->Command("ChangeDescription1")->trigger();
  EXPECT_EQ(Prompts.Texts(), QStringList({DashMessage}));

  Select("#Default Project Settings - PROJECT.INI");
  Form->ProjectActions().ChangeDescriptionClick();  // nothing asked

  Select("Site - " + Site());
  Prompts.AnswerInput(QString("Aaa"));
  Form->Command("EditProject")->trigger();
  EXPECT_EQ(Shown().first(), "Aaa - " + Site());
  EXPECT_EQ(Shown().last(), "Zoo - zoo");
}

TEST_F(ProjectCommandsTest, RenameNeverReplacesAFile) {
  WriteProjectDat("Site - %site%\r\n\tPage - a.htm\r\n\tOther - b.htm\r\n");
  WritePage("a.htm", "a");
  WritePage("b.htm", "b");
  Start();
  Select("Page - a.htm");
  Prompts.AnswerInput(QString("b.htm"));
  Form->Command("RenameFile")->trigger();
  EXPECT_EQ(Prompts.Texts(), QStringList({"Could not rename the specified file."}));
  EXPECT_EQ(ReadBytes(Pages("b.htm")), "b");

  Prompts.AnswerInput(QString("z.htm"));
  Form->Command("RenamePage1")->trigger();
  EXPECT_EQ(ReadBytes(Pages("z.htm")), "a");
  EXPECT_FALSE(QFileInfo::exists(Pages("a.htm")));
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "\tOther - b.htm", "\tPage - z.htm"}));
  EXPECT_EQ(Prompts.Messages.size(), 1u);
}

TEST_F(ProjectCommandsTest, CopyWithinAProjectAndMoveToAnother) {
  QDir().mkpath(Other());
  WriteProjectDat(("Site - %site%\r\n\tHome - home.htm\r\nOther - " + Other() + "\r\n").toUtf8());
  WritePage("home.htm", "home");
  Start();
  Select("Home - home.htm");
  Prompts.AnswerDialog([this](QDialog& dialog) {
    auto& form = dynamic_cast<TCopyMoveForm&>(dialog);
    EXPECT_EQ(form.windowTitle(), "Copy/Move a Page");
    EXPECT_EQ(form.Label1->text(), "Working with: " + Site() + "/home.htm");
    EXPECT_EQ(form.ListBox1->count(), 2);
    form.ListBox1->setCurrentRow(0);
    EXPECT_FALSE(form.MoveBtn->isEnabled());
    form.CopyBtn->click();
    return form.result();
  });
  Prompts.AnswerInput(QString("copy.htm"));
  Form->Command("CopyMovePage")->trigger();
  EXPECT_EQ(ReadBytes(Pages("copy.htm")), "home");
  EXPECT_EQ(ReadBytes(Pages("home.htm")), "home");

  Select("Home - home.htm");
  Prompts.AnswerDialog([](QDialog& dialog) {
    auto& form = dynamic_cast<TCopyMoveForm&>(dialog);
    form.ListBox1->setCurrentRow(1);
    EXPECT_TRUE(form.MoveBtn->isEnabled());
    form.MoveBtn->click();
    return form.result();
  });
  Form->Command("CopyMovePage1")->trigger();
  EXPECT_FALSE(QFileInfo::exists(Pages("home.htm")));
  EXPECT_EQ(ReadBytes(Other() + "/home.htm"), "home");
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "\tHome - copy.htm", "Other - " + Other(),
                                  "\tHome - home.htm"}));
  EXPECT_TRUE(Prompts.Messages.empty());
  QDir(Other()).removeRecursively();
}

TEST_F(ProjectCommandsTest, DeleteProjectRemovesPagesAndDirectory) {
  const QString doomed = Site() + "/doomed";
  QDir().mkpath(doomed);
  WriteProjectDat(("Keep - %site%\r\n\tOpen - open.htm\r\nDoomed - " + doomed +
                   "\r\n\tA - a.htm\r\nEmpty - " + doomed + "/none\r\n")
                      .toUtf8());
  WritePage("open.htm", "open");
  for (const char* name : {"/a.htm", "/a.htm_"}) {
    QFile file(doomed + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  Start();

  Select("Keep - " + Site());
  ASSERT_TRUE(Form->Pages().LoadFile(Pages("open.htm"), true));
  Select("Keep - " + Site());
  Form->Command("DeleteProject")->trigger();
  EXPECT_EQ(Prompts.Texts(), QStringList({"Close all project files before deleting project!"}));

  // The directory of an empty project that was never made cannot be removed.
  Prompts.Messages.clear();
  Select("Empty - " + doomed + "/none");
  Prompts.Answer(Prompts::Answer::Ok);
  Prompts.Answer(Prompts::Answer::No);
  Form->Command("DeleteProject1")->trigger();
  EXPECT_EQ(Prompts.Texts(),
            QStringList({"Remove empty project?",
                         "Error removing project directory. Would you like to remove the "
                         "project from the list anyway?"}));
  EXPECT_TRUE(Shown().contains("Empty - " + doomed + "/none"));

  Prompts.Messages.clear();
  Select("Doomed - " + doomed);
  Prompts.Answer(Prompts::Answer::Cancel);
  Form->Command("DeleteProject")->trigger();
  EXPECT_TRUE(QFileInfo::exists(doomed + "/a.htm"));
  Prompts.Answer(Prompts::Answer::Ok);
  Form->Command("DeleteProject")->trigger();
  EXPECT_FALSE(QFileInfo::exists(doomed));
  EXPECT_EQ(Prompts.Texts(), QStringList({"Project contains documents, remove everything?",
                                          "Project contains documents, remove everything?"}));
  EXPECT_FALSE(Shown().contains("Doomed - " + doomed));
}

TEST_F(ProjectCommandsTest, DeleteProjectWithForeignFilesAsksToDropTheEntry) {
  const QString site = Site() + "/kept";
  QDir().mkpath(site);
  QFile(site + "/notes.txt").open(QIODevice::WriteOnly);
  WriteProjectDat(("Kept - " + site + "\r\n").toUtf8());
  Start();
  Select("Kept - " + site);
  Prompts.Answer(Prompts::Answer::Ok);
  Prompts.Answer(Prompts::Answer::Yes);
  Form->Command("DeleteProject")->trigger();
  EXPECT_TRUE(Shown().isEmpty());
  EXPECT_TRUE(QFileInfo::exists(site + "/notes.txt"));
  EXPECT_EQ(Prompts.Messages[1].buttons, Prompts::Buttons::YesNo);
}

}  // namespace
