// The project and page dialogs: creating and editing projects, creating pages.
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "main_window_fixture.h"
#include "platform/editor_surface.h"
#include "platform/ini_file.h"
#include "platform/string_cipher.h"
#include "project_test_support.h"
#include "projects/create_page_form.h"
#include "projects/create_project_form.h"
#include "projects/project_commands.h"
#include "projects/project_tree.h"
#include "shell/page_documents.h"

namespace {

const QString Required = "Required field missing!";

class ProjectDialogsTest : public ProjectTestBase {
 protected:
  // Plays the project dialog: fills it, presses Ok and reports whether it closed.
  void ScriptProjectDialog(const std::function<void(TCrtPrjForm&)>& fill, bool* closed = nullptr) {
    Prompts.AnswerDialog([fill, closed](QDialog& dialog) {
      auto& form = dynamic_cast<TCrtPrjForm&>(dialog);
      fill(form);
      form.OkBtn->click();
      if (closed) *closed = form.result() == QDialog::Accepted;
      return form.result();
    });
  }
  void ScriptPageDialog(const QString& name, const QString& description,
                        TCrtPageForm::Style style = TCrtPageForm::DefaultPage,
                        const QString& templateName = {}) {
    Prompts.AnswerDialog([=](QDialog& dialog) {
      auto& form = dynamic_cast<TCrtPageForm&>(dialog);
      form.PageName->setText(name);
      form.PageDesc->setText(description);
      form.SetStyle(style);
      if (!templateName.isEmpty()) {
        form.TemplateListDropDown();
        form.TemplateList->setCurrentIndex(form.TemplateList->findText(templateName));
      }
      form.OkBtn->click();
      return form.result();
    });
  }
};

TEST_F(ProjectDialogsTest, ThemesAreTheShippedTileImages) {
  CopyProgramData();
  EXPECT_EQ(TCrtPrjForm::ListThemes(ProgramDir()), QStringList({"meadow", "ocean", "sand"}));
  for (const char* theme : {"meadow", "ocean", "sand"})
    for (const char* prefix : {"t_", "l_", "w_", "e_", "n_", "s_", "q_"}) {
      const QString image = ProgramDir() + "themes/" + prefix + QString(theme) + ".gif";
      EXPECT_TRUE(ReadBytes(image).startsWith("GIF89a")) << image.toStdString();
    }
}

TEST_F(ProjectDialogsTest, NewProjectMakesTheDirectoryTheEntriesAndTheSettings) {
  CopyProgramData();
  WriteProjectDat("Site - %site%\r\n");
  Start();
  ScriptProjectDialog([](TCrtPrjForm& form) {
    EXPECT_EQ(form.windowTitle(), "Create Project");
    EXPECT_EQ(form.ThemeChoices->currentIndex(), -1);
    form.PrjName->setText("  Work/Sub/ ");
    form.PrjDesc->setText(" My Site ");
    form.FTPLoginPassword->setText("secret");
    form.TextColorText->setText("FF0000");
    form.ThemeChoices->setCurrentIndex(form.ThemeChoices->findText("ocean"));
  });
  Form->Command("NewProject")->trigger();

  const QString directory = ProgramDir() + "Work/Sub";
  EXPECT_TRUE(QFileInfo(directory).isDir());
  EXPECT_EQ(QDir::currentPath(), directory);
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "My Site - Work/Sub",
                                  "\t#Default Project Settings - PROJECT.INI"}));
  const QByteArray ini = ReadBytes(directory + "/PROJECT.INI");
  QStringList keys;
  for (const QByteArray& line : ini.split('\n'))
    if (line.contains('=')) keys << QString::fromLatin1(line.left(line.indexOf('=')));
  EXPECT_EQ(keys,
            QStringList({"mailto", "WebURL", "FTPDirectory", "TextColor", "LinkColor", "aLinkColor",
                         "vLinkColor", "bgColor", "ThemeStyle", "LoginID", "LoginPassword"}));
  const IniFile settings(directory + "/PROJECT.INI");
  EXPECT_EQ(settings.ReadString("PROJECT", "TextColor", ""), "FF0000");
  EXPECT_EQ(settings.ReadString("PROJECT", "ThemeStyle", ""), "ocean");
  EXPECT_FALSE(ini.contains("secret"));
  EXPECT_EQ(DecodeStr(settings.ReadString("PROJECT", "LoginPassword", "")), "secret");
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(ProjectDialogsTest, NewProjectRefusesMissingFieldsAndKeepsExistingSettings) {
  Start();
  bool closed = true;
  ScriptProjectDialog(
      [](TCrtPrjForm& form) {
        form.PrjName->setText("Site");
        form.PrjDesc->setText("   ");
      },
      &closed);
  Form->ProjectActions().NewProjectClick();
  EXPECT_FALSE(closed);  // the close guard keeps the dialog open
  EXPECT_EQ(Prompts.Texts(), QStringList({Required}));
  EXPECT_FALSE(QFileInfo::exists(ProgramDir() + "Site"));

  // A description with a dash would split the entry: refused as on leaving the field.
  Prompts.Messages.clear();
  ScriptProjectDialog(
      [](TCrtPrjForm& form) {
        form.PrjName->setText("Site");
        form.PrjDesc->setText("My-Site");
      },
      &closed);
  Form->ProjectActions().NewProjectClick();
  EXPECT_FALSE(closed);
  EXPECT_EQ(Prompts.Texts(), QStringList({DashMessage}));

  Prompts.Messages.clear();
  QDir(ProgramDir()).mkdir("Old");
  {
    QFile file(ProgramDir() + "Old/PROJECT.INI");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PROJECT]\r\nWebURL=kept\r\n");
  }
  ScriptProjectDialog(
      [](TCrtPrjForm& form) {
        form.PrjName->setText("Old");
        form.PrjDesc->setText("Old Site");
      },
      &closed);
  Form->ProjectActions().NewProjectClick();
  EXPECT_TRUE(closed);
  EXPECT_EQ(Prompts.Texts(),
            QStringList({"Project already exists, using previously defined defaults."}));
  EXPECT_EQ(ReadBytes(ProgramDir() + "Old/PROJECT.INI"), "[PROJECT]\r\nWebURL=kept\r\n");
  EXPECT_TRUE(Shown().contains("Old Site - Old"));
}

TEST_F(ProjectDialogsTest, SettingsEntryOpensTheDialogInModifyMode) {
  CopyProgramData();
  WriteProjectDat("Site - %site%\r\n\t#Default Project Settings - PROJECT.INI\r\n");
  WritePage("PROJECT.INI",
            ("[PROJECT]\r\nWebURL=www.example.org\r\nLinkColor=00FF00\r\nThemeStyle=SAND\r\n"
             "LoginPassword=" +
             EncodeStr("pw") + "\r\n")
                .toUtf8());
  Start();
  Prompts.AnswerDialog([this](QDialog& dialog) {
    auto& form = dynamic_cast<TCrtPrjForm&>(dialog);
    EXPECT_EQ(form.windowTitle(), "Modify Project Settings");
    EXPECT_EQ(form.PrjName->text(), Site());
    EXPECT_EQ(form.PrjDesc->text(), "Site");
    EXPECT_FALSE(form.PrjName->isEnabled());
    EXPECT_FALSE(form.PrjDesc->isEnabled());
    EXPECT_EQ(form.WebsiteURL->text(), "www.example.org");
    EXPECT_EQ(form.LinkColorText->text(), "00FF00");
    EXPECT_EQ(form.LinkColorLabel->palette().color(form.LinkColorLabel->foregroundRole()),
              QColor(0, 255, 0));
    EXPECT_EQ(form.ThemeChoices->currentText(), "sand");
    EXPECT_EQ(form.FTPLoginPassword->text(), "pw");
    form.FTPLoginID->setText("me");
    form.OkBtn->click();
    return form.result();
  });
  Select("#Default Project Settings - PROJECT.INI");
  Form->Projects().LoadProjectpage();
  const IniFile settings(Pages("PROJECT.INI"));
  EXPECT_EQ(settings.ReadString("PROJECT", "LoginID", ""), "me");
  EXPECT_EQ(settings.ReadString("PROJECT", "ThemeStyle", ""), "sand");
  EXPECT_EQ(DecodeStr(settings.ReadString("PROJECT", "LoginPassword", "")), "pw");
  EXPECT_FALSE(Form->Pages().PageOpen());
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(ProjectDialogsTest, PageNamesHoldNoPathDriveOrExtension) {
  const std::pair<const char*, bool> cases[] = {
      {"index", true},   {"averylongname", true}, {"a.b", false}, {"c:x", false},
      {"dir\\x", false}, {"dir/x", false},        {"", true}};
  for (const auto& [name, plain] : cases)
    EXPECT_EQ(TCrtPageForm::IsPlainPageName(name), plain) << name;
}

TEST_F(ProjectDialogsTest, NewPageRefusesBadInputWithoutTouchingAnything) {
  WriteProjectDat("Site - %site%\r\n\tOld - old.html\r\n");
  WritePage("old.html", "old");
  Start();
  Select("Site - " + Site());
  const QStringList before = Shown();
  const std::tuple<QString, QString, QString> cases[] = {
      {"a.b", "Desc",
       "Filename name must be 8 characters or less and must not contain any drive information.  "
       "This file will not be added to the selected project."},
      {"  ", "Desc", Required},
      {"page", "", Required},
      {"old", "Desc", "Project page already exists!"}};
  for (const auto& [name, description, message] : cases) {
    Prompts.Messages.clear();
    ScriptPageDialog(name, description);
    Form->Command("AddPage")->trigger();
    EXPECT_EQ(Prompts.Texts(), QStringList({message})) << name.toStdString();
  }
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(ReadBytes(Pages("old.html")), "old");
  EXPECT_FALSE(Form->Pages().PageOpen());
}

TEST_F(ProjectDialogsTest, NewPageOfEachStyle) {
  CopyProgramData();
  WriteProjectDat("Site - %site%\r\n\tZed - zed.html\r\n");
  Start();
  Select("Zed - zed.html");

  ScriptPageDialog(" index ", " Home ");
  Form->Command("AddPage1")->trigger();
  EXPECT_EQ(ReadBytes(Pages("index.html")), ReadBytes(ProgramDir() + "template/default.htm"));
  EXPECT_EQ(Form->Pages().CurrentFileName(), Pages("index.html"));
  EXPECT_EQ(Shown(), QStringList({"Site - " + Site(), "\tHome - index.html", "\tZed - zed.html"}));
  EXPECT_EQ(Form->Projects().Model().Text(Form->Projects().Model().Selected()),
            "Home - index.html");

  ScriptPageDialog("frames", "Frames", TCrtPageForm::FramePage);
  Form->Command("AddPage")->trigger();
  EXPECT_EQ(ReadBytes(Pages("frames.html")), " \r\n");

  ScriptPageDialog("themed", "Themed", TCrtPageForm::ThemePage);
  Prompts.Answer(Prompts::Answer::No);
  Form->Command("AddPage")->trigger();
  EXPECT_EQ(QFileInfo(Pages("themed.html")).size(), 0);
  EXPECT_EQ(Prompts.Texts(), QStringList({"Empty file, start creation of new page?"}));

  ScriptPageDialog("article", "Article", TCrtPageForm::UseTemplate, "article.htm");
  Form->Command("AddPage")->trigger();
  EXPECT_EQ(ReadBytes(Pages("article.html")), ReadBytes(ProgramDir() + "template/article.htm"));
  EXPECT_EQ(Form->Pages().CurrentFileName(), Pages("article.html"));

  EXPECT_EQ(Shown(),
            QStringList({"Site - " + Site(), "\tArticle - article.html", "\tFrames - frames.html",
                         "\tHome - index.html", "\tThemed - themed.html", "\tZed - zed.html"}));
}

TEST_F(ProjectDialogsTest, DefaultPageOfOneLineGetsTheBasicTags) {
  CopyProgramData();
  {
    QFile file(ProgramDir() + "template/default.htm");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  }
  WriteProjectDat("Site - %site%\r\n");
  Start();
  Select("Site - " + Site());
  ScriptPageDialog("blank", "Blank");
  Prompts.Answer(Prompts::Answer::No);  // the empty copy offers the page generator first
  Form->Command("AddPage")->trigger();
  EXPECT_TRUE(Form->WebPage->WholeText().contains("<HTML>", Qt::CaseInsensitive));
  EXPECT_GT(Form->WebPage->lines(), 1);
}

TEST_F(ProjectDialogsTest, TemplateListFillsOnDropDownOnce) {
  CopyProgramData();
  WriteProjectDat("Site - %site%\r\n");
  Start();
  TCrtPageForm form(*Form);
  EXPECT_EQ(form.ExtensionList->count(), 4);
  EXPECT_EQ(form.ExtensionList->currentText(), "html");
  EXPECT_EQ(form.TemplateList->count(), 0);
  form.TemplateListDropDown();
  form.TemplateListDropDown();
  QStringList names;
  for (int i = 0; i < form.TemplateList->count(); ++i) names << form.TemplateList->itemText(i);
  EXPECT_EQ(names, QStringList({"article.htm", "default.htm", "personal.htm", "table.html"}));
}

TEST_F(ProjectDialogsTest, NewPageOnAnEmptyTreeAsksForAProject) {
  WriteProjectDat("");
  Start();
  Form->ProjectActions().AddPageClick();
  EXPECT_EQ(Prompts.Texts(), QStringList({"Please Highlight a project."}));
}

}  // namespace
