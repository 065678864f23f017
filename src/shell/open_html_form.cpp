#include "shell/open_html_form.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/html_viewer.h"

namespace {

const QString ParentFolder = QStringLiteral("..");

bool IsPicture(const QString& name) {
  const QString upper = name.toUpper();
  return upper.contains(QLatin1String(".JPG")) || upper.contains(QLatin1String(".GIF")) ||
         upper.contains(QLatin1String(".BMP"));
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TOpenHTMLForm::TOpenHTMLForm(const QString& filter, const QString& startDir,
                             std::function<void(const QString&)> loadFile, QWidget* parent)
    : QDialog(parent), LoadFile(std::move(loadFile)) {
  setObjectName(QStringLiteral("TOpenHTMLForm"));
  setWindowTitle(QStringLiteral("Open HTML Page"));

  FileToLoad = new QLineEdit(this);
  FileToLoad->setObjectName(QStringLiteral("FileToLoad"));
  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
  FilterComboBox1 = new QComboBox(this);
  FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
  DirectoryLabel = new QLabel(this);
  DirectoryLabel->setObjectName(QStringLiteral("DirectoryLabel"));
  DirectoryLabel->setTextFormat(Qt::PlainText);
  DirectoryListBox1 = new QListWidget(this);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));

  OpenViewer = new HtmlViewer(this);
  OpenViewer->setObjectName(QStringLiteral("OpenViewer"));
  OpenViewer->SetDefaultFont(QString(), 6);
  OpenViewer->SetImagesEnabled(false);
  OpenViewer->setMinimumSize(200, 200);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

  auto* grid = new QGridLayout;
  grid->addWidget(BuddyLabel(QStringLiteral("File &name:"), FileToLoad, this), 0, 0, 1, 2);
  grid->addWidget(FileToLoad, 1, 0, 1, 2);
  grid->addWidget(BuddyLabel(QStringLiteral("&Files:"), FileListBox1, this), 2, 0);
  grid->addWidget(BuddyLabel(QStringLiteral("F&olders:"), DirectoryListBox1, this), 2, 1);
  grid->addWidget(FileListBox1, 3, 0, 2, 1);
  grid->addWidget(DirectoryLabel, 3, 1);
  grid->addWidget(DirectoryListBox1, 4, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("List files of &type:"), FilterComboBox1, this), 5, 0);
  grid->addWidget(BuddyLabel(QStringLiteral("Dri&ves:"), DriveComboBox1, this), 5, 1);
  grid->addWidget(FilterComboBox1, 6, 0);
  grid->addWidget(DriveComboBox1, 6, 1);
  grid->setRowStretch(4, 1);

  auto* side = new QVBoxLayout;
  side->addWidget(BuddyLabel(QStringLiteral("&Preview:"), OpenViewer, this));
  side->addWidget(OpenViewer, 1);
  side->addWidget(OKBtn);
  side->addWidget(CancelBtn);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(grid, 2);
  layout->addLayout(side, 1);

  FillDrives();
  FillFilters(filter);

  connect(DriveComboBox1, &QComboBox::activated, this,
          [this](int index) { SetDirectory(DriveComboBox1->itemData(index).toString()); });
  connect(DirectoryListBox1, &QListWidget::itemActivated, this, &TOpenHTMLForm::EnterFolder);
  // Enter would otherwise also reach the default button and open whatever is in the field.
  DirectoryListBox1->installEventFilter(this);
  connect(FilterComboBox1, &QComboBox::activated, this, [this](int index) {
    Masks = FilterComboBox1->itemData(index).toStringList();
    ListFiles();
  });
  connect(FileListBox1, &QListWidget::currentItemChanged, this, &TOpenHTMLForm::FileListBox1Change);
  // Enter in the file list reaches the default button by itself.
  connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &TOpenHTMLForm::OKBtnClick);
  connect(OKBtn, &QPushButton::clicked, this, &TOpenHTMLForm::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  const bool usable = !startDir.isEmpty() && QFileInfo(startDir).isDir();
  SetDirectory(usable ? startDir : QDir::currentPath());
}

void TOpenHTMLForm::FillDrives() {
  QStringList roots{QStringLiteral("/")};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
      roots << volume.rootPath();
  }
  std::sort(roots.begin() + 1, roots.end());
  for (const QString& root : roots) DriveComboBox1->addItem(QDir::toNativeSeparators(root), root);
}

void TOpenHTMLForm::FillFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    FilterComboBox1->addItem(parts[i], patterns);
  }
}

void TOpenHTMLForm::SetDirectory(const QString& dir) {
  const QFileInfo info(dir);
  if (!info.isDir()) return;
  CurrentDir = QDir::cleanPath(info.absoluteFilePath());
  DirectoryLabel->setText(QDir::toNativeSeparators(CurrentDir));

  const int drive = DriveComboBox1->findData(QStorageInfo(CurrentDir).rootPath());
  if (drive >= 0) DriveComboBox1->setCurrentIndex(drive);

  ListFolders();
  ListFiles();
}

void TOpenHTMLForm::ListFolders() {
  DirectoryListBox1->clear();
  const QDir dir(CurrentDir);
  if (!dir.isRoot()) DirectoryListBox1->addItem(ParentFolder);
  DirectoryListBox1->addItems(
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

void TOpenHTMLForm::ListFiles() {
  FileListBox1->clear();
  // Without QDir::CaseSensitive the masks match regardless of case, so INDEX.HTM is a page.
  FileListBox1->addItems(
      QDir(CurrentDir).entryList(Masks, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void TOpenHTMLForm::EnterFolder(QListWidgetItem* item) {
  if (item) SetDirectory(QDir(CurrentDir).filePath(item->text()));
}

bool TOpenHTMLForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DirectoryListBox1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      EnterFolder(DirectoryListBox1->currentItem());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TOpenHTMLForm::FileListBox1Change() {
  const QListWidgetItem* item = FileListBox1->currentItem();
  if (!item) return;
  const QString name = item->text();
  const QString path = QDir(CurrentDir).filePath(name);
  if (!QFileInfo::exists(path)) return;

  if (IsPicture(name)) {
    OpenViewer->SetImagesEnabled(true);
    // Encoded so that names with spaces or '#' still resolve against the folder.
    OpenViewer->RenderText(
        QStringLiteral("<IMG SRC=\"%1\">").arg(QString::fromLatin1(QUrl::toPercentEncoding(name))),
        CurrentDir);
  } else {
    OpenViewer->SetImagesEnabled(false);
    OpenViewer->RenderFile(path);
  }
  FileToLoad->setText(path);
}

void TOpenHTMLForm::OKBtnClick() {
  // Pictures are only looked at here; an empty or wrong name is the loader's to report.
  const QString path = FileToLoad->text();
  if (!IsPicture(path) && LoadFile) LoadFile(path);
  accept();
}
