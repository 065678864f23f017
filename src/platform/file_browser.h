#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;

// Linked drive box, folder list, file list and filter box: choosing a drive shows its
// folders, choosing a folder lists its files that match the chosen filter. Masks match
// regardless of letter case, so INDEX.HTM is listed under *.htm.
class FileBrowser : public QWidget {
  Q_OBJECT

 public:
  explicit FileBrowser(QWidget* parent = nullptr);

  // "Label|*.a;*.b|Label|*.c": one entry of the filter box per pair. With `applyFirst`
  // the first pair's masks take effect at once; otherwise the current masks stay until
  // the user chooses a pair.
  void SetFilter(const QString& filter, bool applyFirst = true);
  void SetMasks(const QStringList& masks);
  // Shows `directory`'s folders and matching files; one that does not exist is ignored.
  void SetDirectory(const QString& directory);
  QString Directory() const { return Folder; }

  QComboBox* DriveComboBox1;
  QLabel* DirectoryLabel;
  QListWidget* DirectoryListBox1;
  QListWidget* FileListBox1;
  QComboBox* FilterComboBox1;

 signals:
  void FileSelected(const QString& path);   // a file that exists became the current one
  void FileActivated(const QString& path);  // double click or Enter on a file

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillDrives();
  void ListFolders();
  void ListFiles();
  void EnterFolder(const QString& name);

  QString Folder;
  QStringList Masks{QStringLiteral("*.htm")};
};
