#include "platform/preview_scheme_handler.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "core/page_text.h"

const QByteArray PreviewSchemeHandler::Scheme = QByteArrayLiteral("quorvane");

namespace {

// The engine takes new schemes and its settings only before its first use, so they are
// set while the program loads, before main() creates anything.
const bool SchemeRegistered = [] {
  // All previews share one renderer process: a process of its own for each of them would
  // cost tens of megabytes apiece for windows that mostly show nothing.
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--renderer-process-limit")) {
    flags += flags.isEmpty() ? "" : " ";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + "--renderer-process-limit=1");
  }
  QWebEngineUrlScheme scheme(PreviewSchemeHandler::Scheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  // Secure and CORS-enabled so pages behave as they would on a web server, reading
  // files of their own site; no access to file: URLs.
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
  QWebEngineUrlScheme::registerScheme(scheme);
  return true;
}();

// The file a path stands for with links resolved; a missing file is resolved through
// its folder, so that no name can step outside a root by not existing.
QString Resolved(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  if (!canonical.isEmpty()) return canonical;
  const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
  return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + info.fileName();
}

bool IsHtmlName(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("htm") || suffix == QLatin1String("html") ||
         suffix == QLatin1String("shtm") || suffix == QLatin1String("shtml");
}

void ReplyWith(QWebEngineUrlRequestJob* job, const QByteArray& type, const QByteArray& bytes) {
  auto* buffer = new QBuffer;
  buffer->setData(bytes);
  buffer->open(QIODevice::ReadOnly);
  // The engine reads the device on its own thread until the job ends.
  QObject::connect(job, &QObject::destroyed, buffer, &QObject::deleteLater);
  job->reply(type, buffer);
}

}  // namespace

PreviewSchemeHandler::PreviewSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {
  Q_UNUSED(SchemeRegistered);
}

PreviewSchemeHandler& PreviewSchemeHandler::Instance() {
  static PreviewSchemeHandler* handler = [] {
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    auto* created = new PreviewSchemeHandler(profile);
    profile->installUrlSchemeHandler(Scheme, created);
    return created;
  }();
  return *handler;
}

void PreviewSchemeHandler::SetSite(const QString& host, const Site& site) {
  Site& stored = Sites[host];
  stored = site;
  stored.Roots.clear();
  for (const QString& root : site.Roots) {
    const QString canonical = QFileInfo(root).canonicalFilePath();
    if (!canonical.isEmpty() && !stored.Roots.contains(canonical)) stored.Roots << canonical;
  }
}

void PreviewSchemeHandler::RemoveSite(const QString& host) { Sites.remove(host); }

QUrl PreviewSchemeHandler::UrlFor(const QString& host, const QString& path, const QString& query) {
  QUrl url;
  url.setScheme(QString::fromLatin1(Scheme));
  url.setHost(host);
  url.setPath(path, QUrl::DecodedMode);
  if (!query.isEmpty()) url.setQuery(query);
  return url;
}

QString PreviewSchemeHandler::PathOf(const QUrl& url) {
  if (url.scheme() != QLatin1String(Scheme)) return QString();
  const QString raw = url.path(QUrl::FullyDecoded);
  QString path = QDir::cleanPath(raw);
  if (path.isEmpty()) return QStringLiteral("/");
  // A folder keeps its closing slash: it is the name of a document rendered without one.
  if (raw.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}

bool PreviewSchemeHandler::IsInside(const QString& path, const QStringList& roots) {
  const QString file = Resolved(path);
  if (file.isEmpty()) return false;
  for (const QString& root : roots) {
    if (file == root) return true;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    if (file.startsWith(prefix)) return true;
  }
  return false;
}

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const QUrl url = job->requestUrl();
  const auto site = Sites.constFind(url.host());
  if (site == Sites.constEnd()) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  const QString path = PathOf(url);
  if (path == site->DocumentPath && url.query() == site->Marker) {
    ReplyWith(job, QByteArrayLiteral("text/html; charset=utf-8"), site->Document);
    return;
  }
  if (!IsInside(path, site->Roots)) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  const QFileInfo info(path);
  if (!info.isFile()) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  if (IsHtmlName(path)) {
    // Pages are read the way the editor reads them, whatever their encoding.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      job->fail(QWebEngineUrlRequestJob::RequestDenied);
      return;
    }
    ReplyWith(job, QByteArrayLiteral("text/html; charset=utf-8"),
              DecodePage(file.readAll()).Text.toUtf8());
    return;
  }
  auto* file = new QFile(path);
  if (!file->open(QIODevice::ReadOnly)) {
    delete file;
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  QObject::connect(job, &QObject::destroyed, file, &QObject::deleteLater);
  static const QMimeDatabase mimeTypes;
  job->reply(mimeTypes.mimeTypeForFile(info, QMimeDatabase::MatchExtension).name().toUtf8(), file);
}
