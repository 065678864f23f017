#include "platform/file_browser.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QVBoxLayout>

FileBrowser::FileBrowser(QWidget* parent)
    : QWidget(parent),
      DriveComboBox1(new QComboBox(this)),
      DirectoryListBox1(new QListWidget(this)),
      FileListBox1(new QListWidget(this)),
      FilterComboBox1(new QComboBox(this)),
      Folder(QDir::currentPath()) {
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
  FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
  DriveComboBox1->setAccessibleName(QStringLiteral("Drive"));
  DirectoryListBox1->setAccessibleName(QStringLiteral("Folders"));
  FileListBox1->setAccessibleName(QStringLiteral("Files"));
  FilterComboBox1->setAccessibleName(QStringLiteral("File type"));

  // The side pane may be narrow: long entries are cut, not widening the pane.
  for (QComboBox* box : {DriveComboBox1, FilterComboBox1}) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(6);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(DriveComboBox1);
  layout->addWidget(DirectoryListBox1, 1);
  layout->addWidget(FileListBox1, 2);
  layout->addWidget(FilterComboBox1);

  FillDrives();
  connect(DriveComboBox1, &QComboBox::activated, this,
          [this](int index) { SetDirectory(DriveComboBox1->itemData(index).toString()); });
  connect(DirectoryListBox1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    SetDirectory(QDir(Folder).absoluteFilePath(item->text()));
  });
  connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, [this] { FillFiles(); });
  connect(FileListBox1, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit FileClicked(QDir(Folder).filePath(item->text())); });
  connect(FileListBox1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    emit FileActivated(QDir(Folder).filePath(item->text()));
  });
}

void FileBrowser::FillDrives() {
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady()) roots << volume.rootPath();
  roots.removeDuplicates();
  roots.removeAll(QStringLiteral("/"));
  roots.sort();
  roots.prepend(QStringLiteral("/"));
  for (const QString& root : roots) DriveComboBox1->addItem(root, root);
}

void FileBrowser::SetFilter(const QString& filter) {
  const QSignalBlocker block(FilterComboBox1);
  FilterComboBox1->clear();
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2)
    FilterComboBox1->addItem(QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]), parts[i + 1]);
  FillFiles();
}

void FileBrowser::SetDirectory(const QString& directory) {
  const QDir dir(directory);
  if (!dir.exists()) return;
  Folder = dir.absolutePath();
  // The drive box shows the volume the folder lies on.
  const QString root = QStorageInfo(Folder).rootPath();
  const int drive = DriveComboBox1->findData(root);
  if (drive >= 0) DriveComboBox1->setCurrentIndex(drive);
  FillFolders();
  FillFiles();
}

void FileBrowser::FillFolders() {
  DirectoryListBox1->clear();
  const QDir dir(Folder);
  if (!dir.isRoot()) DirectoryListBox1->addItem(QStringLiteral(".."));
  DirectoryListBox1->addItems(
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

void FileBrowser::FillFiles() {
  FileListBox1->clear();
  QStringList masks =
      FilterComboBox1->currentData().toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
  if (masks.isEmpty()) masks << QStringLiteral("*.htm");
  QDir dir(Folder);
  dir.setNameFilters(masks);
  FileListBox1->addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QStringList FileBrowser::Files() const {
  QStringList names;
  for (int i = 0; i < FileListBox1->count(); ++i) names << FileListBox1->item(i)->text();
  return names;
}
