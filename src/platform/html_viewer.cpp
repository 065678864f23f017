#include "platform/html_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineSettings>

HtmlViewer::HtmlViewer(QWidget* parent) : QWebEngineView(parent) {
  connect(this, &QWebEngineView::loadStarted, this, [this] { Loading = true; });
  connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
    Loading = false;
    emit RenderFinished(ok);
  });
}

void HtmlViewer::RenderText(const QString& html, const QString& baseDirectory) {
  Loading = true;
  const QString base = baseDirectory.isEmpty() ? QDir::currentPath() : baseDirectory;
  setHtml(html, QUrl::fromLocalFile(QDir(base).absolutePath() + QLatin1Char('/')));
}

void HtmlViewer::RenderFile(const QString& path) {
  Loading = true;
  load(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void HtmlViewer::RenderImage(const QString& path) {
  const QFileInfo info(path);
  RenderText(QStringLiteral("<IMG SRC=\"%1\">")
                 .arg(QUrl::fromLocalFile(info.absoluteFilePath()).toString()),
             info.absolutePath());
}

void HtmlViewer::Clear() { RenderText(QString(), QString()); }

bool HtmlViewer::ImagesEnabled() const {
  return settings()->testAttribute(QWebEngineSettings::AutoLoadImages);
}

void HtmlViewer::SetImagesEnabled(bool enabled) {
  settings()->setAttribute(QWebEngineSettings::AutoLoadImages, enabled);
}

void HtmlViewer::SetDefaultFont(const QString& family, int size) {
  if (!family.isEmpty()) settings()->setFontFamily(QWebEngineSettings::StandardFont, family);
  if (size > 0) settings()->setFontSize(QWebEngineSettings::DefaultFontSize, size);
}
