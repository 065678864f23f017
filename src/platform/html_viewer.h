#pragma once

#include <QWebEngineView>

// The program's HTML viewer: renders the editor's text, a file or an image file.
// Every preview of the program is one of these.
class HtmlViewer : public QWebEngineView {
  Q_OBJECT

 public:
  explicit HtmlViewer(QWidget* parent = nullptr);

  // Renders `html` as if it were a file in `baseDirectory`, so relative images and
  // links resolve.
  void RenderText(const QString& html, const QString& baseDirectory);
  void RenderFile(const QString& path);
  void RenderImage(const QString& path);
  void Clear();

  bool ImagesEnabled() const;
  void SetImagesEnabled(bool enabled);

  void SetDefaultFont(const QString& family, int size);

  // True from the start of a render until its load has finished.
  bool Busy() const { return Loading; }

 signals:
  void RenderFinished(bool ok);

 private:
  bool Loading = false;
};
