#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "core/page_text.h"

class TForm1;

// One open page. While the page is not in the editor its text lives in its working
// copy, the page's path with "_" appended.
struct PageHandle {
  bool InProject = false;
  QString FileName;
  bool Modified = false;
  int StartLine = 1;
  int EndLine = 1;
  int StartPosition = 0;
  int EndPosition = 0;
  PageEncoding Encoding = PageEncoding::Utf8;
};

QString WorkingCopyOf(const QString& path);

// The open pages of the single page editor: loading, the tabs and their working copies,
// saving, closing and the recent-files list.
class PageDocuments : public QObject {
  Q_OBJECT

 public:
  explicit PageDocuments(TForm1& form);

  const std::vector<PageHandle>& PageList() const { return Pages; }
  const QString& CurrentFileName() const { return CurrentFile; }
  const QString& CurrentDir() const { return CurrentDirectory; }
  void SetCurrentDir(const QString& dir) { CurrentDirectory = dir; }
  bool PageOpen() const { return !Pages.empty(); }
  bool IsFileNameOpen(const QString& path) const { return FindOpen(path) >= 0; }
  LineEndStyle LineEnds = LineEndStyle::Default;

  bool LoadFile(const QString& path, bool inProject);
  bool SaveToPageHandle();
  void LoadFromPageHandle();
  bool CloseActivePage();
  int CloseAllPages();
  void ClearPage();
  void SetLastFiles(const QString& path);
  void SetLastFilesMenu();
  void RenameSaveAsFile();
  void StartInitialValues();

  // Commands.
  void New1Click();
  void OpenWeb1Click();
  bool Save1Click();
  bool SaveAs1Click();
  void ClosePageClick() { CloseActivePage(); }
  void CloseAllClick() { CloseAllPages(); }
  void LastFileClick(int n);  // 1..4
  void InsertFile1Click();

  // Tab strip notifications.
  void WebPageTabsChange(int index);
  void WebPageTabsMouseUp();

 private:
  int Current() const;
  PageHandle& CurrentHandle() { return Pages[size_t(Current())]; }
  bool SaveToPageHandle(int index);
  void LoadFromPageHandle(int index);
  void SelectTabQuietly(int index);
  void MakeWorkingDirectory(const QString& dir, bool reportFailure);
  bool WriteEditorTo(const QString& path, PageEncoding encoding, LineEndStyle style);
  bool SaveEditorAs(const QString& path);
  int FindOpen(const QString& path) const;

  TForm1& Form;
  std::vector<PageHandle> Pages;
  QString CurrentFile;
  QString CurrentDirectory;
  int ShownTab = -1;  // the tab whose page the editor holds
};
