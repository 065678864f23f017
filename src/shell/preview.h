#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/page_text.h"

class BrowserLauncher;
class FindDialog;
class HtmlViewer;
class PagePrinter;
class QMenu;
class TForm1;
class TSubmitForm;

// Renders the page from the editor text as it is written: the split, frames and
// full-screen previews, their links, history and forms, searching in the preview, and
// the preview file "quorview.htm" beside the page.
class Preview : public QObject {
  Q_OBJECT

 public:
  explicit Preview(TForm1& form);
  ~Preview() override;

  // Hooks the preview's commands into the menus and buttons once they are built.
  void WireCommands();

  void UpdateWebView();
  void RefreshViewer(int position, HtmlViewer& viewer);
  void ScrollToTop();

  // The copy of the editor text that renderers needing a real file read: "quorview.htm"
  // beside the page.
  static QString PreviewFileOf(const QString& pagePath);
  // Writes the editor text to the current page's preview file; a failure is reported.
  bool WritePreviewFile(QString* path = nullptr);

  // Full screen and the split.
  bool IsFullScreen() const;
  void View1Click();
  void HideFullScreen();
  void SpeedButton31Click();

  // History.
  void FwdBackClick(bool back);
  void HistoryClick(int tag);

  // The preview's pop-up menu and searching.
  void HTMLPopupPopup();
  void SearchSourceClick();
  void GoToTopClick();
  void GoToBottomClick();
  void CopyClick();
  void FindClick();
  void FindDialogFind(const QString& text, bool matchCase);

  // Opening the "&Page" and "&Search" menus.
  void Page1Click();
  void SearchClick();

  QMenu* HTMLPopup = nullptr;
  TSubmitForm& SubmitForm() const { return *Submit; }
  FindDialog& FindWindow() const { return *Finder; }
  BrowserLauncher& Browsers() const { return *Launcher; }
  PagePrinter& Printing() const { return *Printer; }

 private:
  void HTMLSplitHotSpotCovered(const QString& target);
  void HTMLSplitHotSpotClick(const QString& target, bool* handled);
  void HTMLSplitHistoryChange(HtmlViewer& viewer);
  void HTMLSplitFormSubmit(const QString& action, const QString& method,
                           const QStringList& results);
  void ViewerRenderFinished(HtmlViewer& viewer, bool ok);
  void SetFullScreenCaptions(bool fullScreen);
  QString PageDirectory() const;
  QStringList AccessRoots() const;
  PageEncoding CurrentEncoding() const;

  TForm1& Form;
  TSubmitForm* Submit;
  FindDialog* Finder;
  std::unique_ptr<BrowserLauncher> Launcher;
  std::unique_ptr<PagePrinter> Printer;
  // A refresh that found the split preview busy runs once that render is done.
  bool RefreshPending = false;
  bool PendingTop = false;
};
