#pragma once

#include <QDialog>
#include <functional>

class FileBrowser;
class HtmlViewer;
class QLineEdit;
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

  QString Directory() const;
  void SetDirectory(const QString& dir);

 private:
  void FileListBox1Change(const QString& path);
  void OKBtnClick();

  std::function<void(const QString&)> LoadFile;
  FileBrowser* Browser;
  HtmlViewer* OpenViewer;
  QLineEdit* FileToLoad;
  QPushButton* OKBtn;
};
