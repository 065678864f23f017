#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class HtmlViewer;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The program's own open dialog: browse volumes and folders, preview a page or picture,
// and hand the chosen path to the loader. Pictures are only previewed, never opened.
class TOpenHTMLForm : public QDialog {
  Q_OBJECT

 public:
  // `filter` is "Label|*.a;*.b|Label|*.c"; `loadFile` opens a page and reports its own
  // failures.
  TOpenHTMLForm(const QString& filter, const QString& startDir,
                std::function<void(const QString&)> loadFile, QWidget* parent = nullptr);

  QString Directory() const { return CurrentDir; }
  // Shows `dir`'s folders and matching files; a folder that does not exist is ignored.
  void SetDirectory(const QString& dir);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void FileListBox1Change();
  void OKBtnClick();

 private:
  void FillDrives();
  void FillFilters(const QString& filter);
  void ListFolders();
  void ListFiles();
  void EnterFolder(QListWidgetItem* item);

  std::function<void(const QString&)> LoadFile;
  QString CurrentDir;
  QStringList Masks{QStringLiteral("*.htm")};

  QComboBox* DriveComboBox1;
  QLabel* DirectoryLabel;
  QListWidget* DirectoryListBox1;
  QListWidget* FileListBox1;
  QComboBox* FilterComboBox1;
  HtmlViewer* OpenViewer;
  QLineEdit* FileToLoad;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
};
