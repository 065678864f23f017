#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;

// Linked drive box, folder list, file list and filter box: choosing a drive shows its
// folders, choosing a folder lists its files that match the chosen filter.
class FileBrowser : public QWidget {
  Q_OBJECT

 public:
  explicit FileBrowser(QWidget* parent = nullptr);

  // "Label|*.a;*.b|Label|*.c": one entry of the filter box per pair; the first is chosen.
  void SetFilter(const QString& filter);
  void SetDirectory(const QString& directory);
  QString Directory() const { return Folder; }
  QStringList Files() const;  // names listed now

  QComboBox* DriveComboBox1;
  QListWidget* DirectoryListBox1;
  QListWidget* FileListBox1;
  QComboBox* FilterComboBox1;

 signals:
  void FileClicked(const QString& path);
  void FileActivated(const QString& path);  // double click or Enter

 private:
  void FillDrives();
  void FillFolders();
  void FillFiles();
  QString Folder;
};
