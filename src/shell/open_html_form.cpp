#include "shell/open_html_form.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/file_filter.h"
#include "platform/file_browser.h"
#include "platform/html_viewer.h"

namespace {
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}
}  // namespace

TOpenHTMLForm::TOpenHTMLForm(const QString& filter, const QString& startDir,
                             std::function<void(const QString&)> loadFile, QWidget* parent)
    : QDialog(parent),
      LoadFile(std::move(loadFile)),
      Browser(new FileBrowser(this)),
      OpenViewer(new HtmlViewer(this)),
      FileToLoad(new QLineEdit(this)),
      OKBtn(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("TOpenHTMLForm"));
  setWindowTitle(QStringLiteral("Open HTML Page"));
  FileToLoad->setObjectName(QStringLiteral("FileToLoad"));
  OpenViewer->setObjectName(QStringLiteral("OpenViewer"));
  OpenViewer->SetDefaultFont(QString(), 6);
  OpenViewer->SetImagesEnabled(false);
  OpenViewer->setMinimumSize(200, 200);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));

  auto* files = new QVBoxLayout;
  files->addWidget(BuddyLabel(QStringLiteral("File &name:"), FileToLoad, this));
  files->addWidget(FileToLoad);
  files->addWidget(BuddyLabel(QStringLiteral("&Files:"), Browser->FileListBox1, this));
  files->addWidget(Browser, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(BuddyLabel(QStringLiteral("&Preview:"), OpenViewer, this));
  side->addWidget(OpenViewer, 1);
  side->addWidget(OKBtn);
  side->addWidget(cancel);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(files, 2);
  layout->addLayout(side, 1);

  // The file list starts with "*.htm" until the user chooses a filter.
  Browser->SetFilter(filter, false);
  connect(Browser, &FileBrowser::FileSelected, this, &TOpenHTMLForm::FileListBox1Change);
  // Enter in the file list reaches the default button by itself.
  connect(Browser->FileListBox1, &QListWidget::itemDoubleClicked, this, &TOpenHTMLForm::OKBtnClick);
  connect(OKBtn, &QPushButton::clicked, this, &TOpenHTMLForm::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  const bool usable = !startDir.isEmpty() && QFileInfo(startDir).isDir();
  SetDirectory(usable ? startDir : QDir::currentPath());
}

QString TOpenHTMLForm::Directory() const { return Browser->Directory(); }

void TOpenHTMLForm::SetDirectory(const QString& dir) { Browser->SetDirectory(dir); }

void TOpenHTMLForm::FileListBox1Change(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  if (IsImageFileName(name)) {
    OpenViewer->SetImagesEnabled(true);
    // Encoded so that names with spaces or '#' still resolve against the folder.
    OpenViewer->RenderText(
        QStringLiteral("<IMG SRC=\"%1\">").arg(QString::fromLatin1(QUrl::toPercentEncoding(name))),
        Browser->Directory());
  } else {
    OpenViewer->SetImagesEnabled(false);
    OpenViewer->RenderFile(path);
  }
  FileToLoad->setText(path);
}

void TOpenHTMLForm::OKBtnClick() {
  // Pictures are only looked at here; an empty or wrong name is the loader's to report.
  const QString path = FileToLoad->text();
  if (!IsImageFileName(path) && LoadFile) LoadFile(path);
  accept();
}
