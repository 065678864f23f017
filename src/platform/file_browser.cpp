#include "platform/file_browser.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <algorithm>

FileBrowser::FileBrowser(QWidget* parent)
    : QWidget(parent),
      DriveComboBox1(new QComboBox(this)),
      DirectoryLabel(new QLabel(this)),
      DirectoryListBox1(new QListWidget(this)),
      FileListBox1(new QListWidget(this)),
      FilterComboBox1(new QComboBox(this)) {
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  DirectoryLabel->setObjectName(QStringLiteral("DirectoryLabel"));
  DirectoryLabel->setTextFormat(Qt::PlainText);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
  FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
  DriveComboBox1->setAccessibleName(QStringLiteral("Drives"));
  DirectoryListBox1->setAccessibleName(QStringLiteral("Folders"));
  FileListBox1->setAccessibleName(QStringLiteral("Files"));
  FilterComboBox1->setAccessibleName(QStringLiteral("List files of type"));
  // The pane may be narrow: long entries are cut rather than widening it.
  for (QComboBox* box : {DriveComboBox1, FilterComboBox1}) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(6);
  }
  DirectoryLabel->setMinimumWidth(10);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(DriveComboBox1);
  layout->addWidget(DirectoryLabel);
  layout->addWidget(DirectoryListBox1, 1);
  layout->addWidget(FileListBox1, 2);
  layout->addWidget(FilterComboBox1);

  FillDrives();
  connect(DriveComboBox1, &QComboBox::activated, this,
          [this](int index) { SetDirectory(DriveComboBox1->itemData(index).toString()); });
  connect(DirectoryListBox1, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { EnterFolder(item->text()); });
  // Enter on a folder opens it and goes no further (not to a dialog's default button).
  DirectoryListBox1->installEventFilter(this);
  connect(FilterComboBox1, &QComboBox::activated, this,
          [this](int index) { SetMasks(FilterComboBox1->itemData(index).toStringList()); });
  connect(FileListBox1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (!item) return;
    const QString path = QDir(Folder).filePath(item->text());
    if (QFileInfo::exists(path)) emit FileSelected(path);
  });
  connect(FileListBox1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    emit FileActivated(QDir(Folder).filePath(item->text()));
  });
  SetDirectory(QDir::currentPath());
}

void FileBrowser::FillDrives() {
  QStringList roots{QStringLiteral("/")};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
      roots << volume.rootPath();
  std::sort(roots.begin() + 1, roots.end());
  for (const QString& root : roots) DriveComboBox1->addItem(root, root);
}

void FileBrowser::SetFilter(const QString& filter, bool applyFirst) {
  FilterComboBox1->clear();
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    FilterComboBox1->addItem(parts[i], patterns);
  }
  if (applyFirst && FilterComboBox1->count() > 0)
    SetMasks(FilterComboBox1->itemData(0).toStringList());
}

void FileBrowser::SetMasks(const QStringList& masks) {
  Masks = masks;
  ListFiles();
}

void FileBrowser::SetDirectory(const QString& directory) {
  const QFileInfo info(directory);
  if (!info.isDir()) return;
  Folder = QDir::cleanPath(info.absoluteFilePath());
  DirectoryLabel->setText(Folder);
  const int drive = DriveComboBox1->findData(QStorageInfo(Folder).rootPath());
  if (drive >= 0) DriveComboBox1->setCurrentIndex(drive);
  ListFolders();
  ListFiles();
}

void FileBrowser::ListFolders() {
  DirectoryListBox1->clear();
  const QDir dir(Folder);
  if (!dir.isRoot()) DirectoryListBox1->addItem(QStringLiteral(".."));
  DirectoryListBox1->addItems(
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

void FileBrowser::ListFiles() {
  FileListBox1->clear();
  // Without QDir::CaseSensitive the masks match regardless of case.
  FileListBox1->addItems(QDir(Folder).entryList(Masks, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void FileBrowser::EnterFolder(const QString& name) { SetDirectory(QDir(Folder).filePath(name)); }

bool FileBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DirectoryListBox1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && DirectoryListBox1->currentItem()) {
      EnterFolder(DirectoryListBox1->currentItem()->text());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
