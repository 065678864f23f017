#include "shell/preview.h"

#include <QFileInfo>

#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "shell/page_documents.h"
#include "shell/tform1.h"
#include "shell/wait_cursor.h"

QString Preview::PreviewFileOf(const QString& pagePath) {
  return QFileInfo(pagePath).absolutePath() + QStringLiteral("/quorview.htm");
}

void Preview::UpdateWebView() {
  // A render still running is not queued behind: the next change renders again.
  if (Form.HTMLSplit->Busy()) return;
  RefreshViewer(0, *Form.HTMLSplit);
}

void Preview::RefreshViewer(int /*position*/, HtmlViewer& viewer) {
  const WaitCursor wait;
  const QString text = Form.WebPage->WholeText();
  const QString& file = Form.Pages().CurrentFileName();
  if (text.isEmpty())
    viewer.Clear();
  else
    viewer.RenderText(text, file.isEmpty() ? Form.ProgramDir() : QFileInfo(file).absolutePath());
}

void Preview::ScrollToTop() {
  Form.HTMLSplit->page()->runJavaScript(QStringLiteral("window.scrollTo(0,0)"));
}
