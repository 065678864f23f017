#pragma once

#include <QString>

class HtmlViewer;
class TForm1;

// Renders the page from the editor text as it is written.
class Preview {
 public:
  explicit Preview(TForm1& form) : Form(form) {}

  void UpdateWebView();
  void RefreshViewer(int position, HtmlViewer& viewer);
  void ScrollToTop();

  // The copy of the editor text that renderers needing a real file read: "quorview.htm"
  // beside the page.
  static QString PreviewFileOf(const QString& pagePath);

 private:
  TForm1& Form;
};
