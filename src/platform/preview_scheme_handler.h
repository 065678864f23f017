#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Serves the viewers their documents under the program's own URL scheme. A URL's host
// names the viewer and its path is the file's absolute path, so relative links and
// images resolve exactly as they would beside the file on disk. The text a viewer
// renders from the editor is served from memory; everything else is read from disk,
// and only from inside the directories the viewer's site allows, so a page's script
// cannot read the user's other files.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  // What one viewer may be served.
  struct Site {
    QString DocumentPath;  // the path of the text rendered from memory
    QString Marker;        // the query that tells that render's URL from the file's
    QByteArray Document;   // that text, UTF-8
    QStringList Roots;     // directories whose trees may be read, canonical
  };

  static const QByteArray Scheme;

  // The handler of the shared profile, installed on first use.
  static PreviewSchemeHandler& Instance();

  void SetSite(const QString& host, const Site& site);
  void RemoveSite(const QString& host);

  // `path` is absolute and clean; a folder ends in "/".
  static QUrl UrlFor(const QString& host, const QString& path, const QString& query = QString());
  // The local path a URL of this scheme stands for, cleaned; empty for other URLs.
  static QString PathOf(const QUrl& url);
  // Whether `path` lies in the tree of one of `roots` once links are resolved.
  static bool IsInside(const QString& path, const QStringList& roots);

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  explicit PreviewSchemeHandler(QObject* parent);
  QHash<QString, Site> Sites;
};
