#include "shell/open_html_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "platform/html_viewer.h"
#include "qt_printers.h"

namespace {

const QString Filter = QStringLiteral(
    "Web Documents|*.htm;*.html|HTML Files|*.html|Graphics|*.gif;*.jpg;*.bmp|All Files|*.*");

QStringList Items(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

void Key(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

class OpenHtmlForm : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Root = QDir(Dir.path()).canonicalPath();
    for (const char* name : {"index.htm", "UPPER.HTM", "page.html", "pic.gif", "photo.JPG",
                             "notes.txt", "sub/inner.htm", "sub/deeper/x.htm"}) {
      QDir().mkpath(QFileInfo(Root + "/" + name).absolutePath());
      QFile file(Root + "/" + name);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("<p>x</p>");
    }
    Form = std::make_unique<TOpenHTMLForm>(Filter, Root,
                                           [this](const QString& path) { Loaded << path; });
    Files = Form->findChild<QListWidget*>("FileListBox1");
    Folders = Form->findChild<QListWidget*>("DirectoryListBox1");
    FileToLoad = Form->findChild<QLineEdit*>("FileToLoad");
    Viewer = Form->findChild<HtmlViewer*>("OpenViewer");
  }

  // Picks a pair in the filter box the way the keyboard does.
  void ChooseFilter(const QString& label) {
    auto* box = Form->findChild<QComboBox*>("FilterComboBox1");
    const int target = box->findText(label);
    ASSERT_GE(target, 0) << label.toStdString();
    Key(box, Qt::Key_Home);
    for (int i = 0; i < target; ++i) Key(box, Qt::Key_Down);
    ASSERT_EQ(box->currentIndex(), target);
  }

  void ClickFile(const QString& name) {
    const auto found = Files->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString() << " not in "
                               << Items(Files).join(", ").toStdString();
    Files->setCurrentItem(found.first());
  }

  void ClickOk() { Form->findChild<QPushButton*>("OKBtn")->click(); }

  QTemporaryDir Dir;
  QString Root;
  QStringList Loaded;
  std::unique_ptr<TOpenHTMLForm> Form;
  QListWidget* Files;
  QListWidget* Folders;
  QLineEdit* FileToLoad;
  HtmlViewer* Viewer;
};

TEST_F(OpenHtmlForm, StartsInTheFolderWithPagesListedAndImagesOff) {
  EXPECT_EQ(Form->windowTitle(), "Open HTML Page");
  EXPECT_EQ(Form->Directory(), Root);
  EXPECT_EQ(Items(Files), (QStringList{"index.htm", "UPPER.HTM"}));
  EXPECT_EQ(Items(Folders), (QStringList{"..", "sub"}));
  EXPECT_FALSE(Viewer->ImagesEnabled());
  EXPECT_EQ(FileToLoad->text(), "");
}

TEST_F(OpenHtmlForm, FilterBoxChangesTheListedFiles) {
  ChooseFilter("HTML Files");
  EXPECT_EQ(Items(Files), QStringList{"page.html"});
  ChooseFilter("Graphics");
  EXPECT_EQ(Items(Files), (QStringList{"photo.JPG", "pic.gif"}));
  ChooseFilter("Web Documents");
  EXPECT_EQ(Items(Files), (QStringList{"index.htm", "page.html", "UPPER.HTM"}));
  // The chosen masks stay when the folder changes.
  Form->SetDirectory(Root + "/sub");
  EXPECT_EQ(Items(Files), QStringList{"inner.htm"});
}

TEST_F(OpenHtmlForm, PictureIsPreviewedButNeverOpened) {
  ChooseFilter("Graphics");
  for (const QString name : {"pic.gif", "photo.JPG"}) {
    Loaded.clear();
    ClickFile(name);
    EXPECT_EQ(FileToLoad->text(), Root + "/" + name);
    EXPECT_TRUE(Viewer->ImagesEnabled()) << name.toStdString();
    ClickOk();
    EXPECT_EQ(Loaded, QStringList()) << name.toStdString();
    EXPECT_EQ(Form->result(), QDialog::Accepted);
  }
}

TEST_F(OpenHtmlForm, PageIsOpenedByItsFullPath) {
  ChooseFilter("Graphics");
  ClickFile("pic.gif");
  ChooseFilter("Web Documents");
  ClickFile("page.html");
  EXPECT_EQ(FileToLoad->text(), Root + "/page.html");
  // A page previews without its images.
  EXPECT_FALSE(Viewer->ImagesEnabled());
  ClickOk();
  EXPECT_EQ(Loaded, QStringList{Root + "/page.html"});
  EXPECT_EQ(Form->result(), QDialog::Accepted);
}

TEST_F(OpenHtmlForm, FileThatVanishedIsNotTaken) {
  QFile::remove(Root + "/index.htm");
  ClickFile("index.htm");
  EXPECT_EQ(FileToLoad->text(), "");
}

TEST_F(OpenHtmlForm, EmptyFieldGoesToTheLoader) {
  ClickOk();
  EXPECT_EQ(Loaded, QStringList{""});
}

TEST_F(OpenHtmlForm, TypedPathIsPassedUnchanged) {
  struct Case {
    QString typed;
    bool opened;
  };
  const Case cases[] = {
      {"/nowhere/My Page.HTML", true}, {"relative/../page.htm", true}, {"~/x.htm ", true},
      {"/nowhere/Photo.Jpg", false},   {"C:\\PICS\\LOGO.BMP", false},
  };
  for (const Case& c : cases) {
    Loaded.clear();
    FileToLoad->setText(c.typed);
    ClickOk();
    EXPECT_EQ(Loaded, c.opened ? QStringList{c.typed} : QStringList()) << c.typed.toStdString();
  }
}

TEST_F(OpenHtmlForm, KeyboardAndDoubleClickOpenOnce) {
  Form->show();

  FileToLoad->setText("/typed.htm");
  Key(FileToLoad, Qt::Key_Return);
  EXPECT_EQ(Loaded, QStringList{"/typed.htm"});

  Form->show();
  Loaded.clear();
  ClickFile("index.htm");
  Key(Files, Qt::Key_Return);
  EXPECT_EQ(Loaded, QStringList{Root + "/index.htm"});

  Form->show();
  Loaded.clear();
  QListWidgetItem* item = Files->findItems("UPPER.HTM", Qt::MatchExactly).first();
  const QPointF at = Files->visualItemRect(item).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, Files->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(Files->viewport(), &event);
  }
  EXPECT_EQ(Loaded, QStringList{Root + "/UPPER.HTM"});
}

TEST_F(OpenHtmlForm, FoldersAreEnteredAndLeft) {
  Form->show();
  Folders->setCurrentItem(Folders->findItems("sub", Qt::MatchExactly).first());
  // Enter opens the folder and must not press OK as well.
  Key(Folders, Qt::Key_Return);
  EXPECT_TRUE(Form->isVisible());
  EXPECT_EQ(Loaded, QStringList());
  EXPECT_EQ(Form->Directory(), Root + "/sub");
  EXPECT_EQ(Items(Folders), (QStringList{"..", "deeper"}));
  EXPECT_EQ(Items(Files), QStringList{"inner.htm"});

  ClickFile("inner.htm");
  EXPECT_EQ(FileToLoad->text(), Root + "/sub/inner.htm");

  emit Folders->itemActivated(Folders->item(0));  // ".." by double click
  EXPECT_EQ(Form->Directory(), Root);
  EXPECT_EQ(Items(Files), (QStringList{"index.htm", "UPPER.HTM"}));
}

TEST_F(OpenHtmlForm, DriveBoxStartsAtRootAndShowsTheChosenVolume) {
  auto* drives = Form->findChild<QComboBox*>("DriveComboBox1");
  ASSERT_GT(drives->count(), 0);
  EXPECT_EQ(drives->itemData(0).toString(), "/");
  emit drives->activated(0);
  EXPECT_EQ(Form->Directory(), "/");
  EXPECT_FALSE(Items(Folders).contains(".."));
  EXPECT_EQ(Items(Folders),
            QDir("/").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

TEST_F(OpenHtmlForm, MissingStartFolderFallsBackToTheWorkingFolder) {
  TOpenHTMLForm form(Filter, Root + "/missing", [](const QString&) {});
  EXPECT_EQ(form.Directory(), QDir::currentPath());
}

}  // namespace
