#include "platform/html_viewer.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QWebChannel>
#include <QWebEngineFindTextResult>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include "platform/preview_scheme_handler.h"
#include "platform/viewer_bridge.h"
#include "platform/viewer_page.h"

namespace {

const QString BridgeScriptName = QStringLiteral("quorvane-bridge");
const QString ColorScriptName = QStringLiteral("quorvane-colors");
const QString HoldScriptName = QStringLiteral("quorvane-hold");

// A large text reaches the engine in many small pieces, and it lays the document out
// again after each one. Holding the display back until the whole text is parsed saves
// that work; small pages are shown as they come, so that their scripts see the layout
// they expect while the page loads.
constexpr qsizetype HoldFromBytes = 256 * 1024;
const char* const HoldScript = R"JS(
(function () {
  var hold = new CSSStyleSheet();
  hold.replaceSync(':root { display: none !important }');
  document.adoptedStyleSheets = document.adoptedStyleSheets.concat([hold]);
  document.addEventListener('DOMContentLoaded', function () {
    document.adoptedStyleSheets =
        document.adoptedStyleSheets.filter(function (sheet) { return sheet !== hold; });
  });
})();
)JS";

// Runs in its own world, out of reach of the page's scripts, and reports links and
// forms as the page writes them. Clicks and submissions the page handles itself (by
// preventing their default) are left to it.
const char* const BridgeScript = R"JS(
(function () {
  'use strict';
  var bridge = null, queue = [];
  function send(name, args) {
    if (bridge) bridge[name].apply(bridge, args); else queue.push([name, args]);
  }
  // The scroll position the program asks for is taken as soon as the document is parsed,
  // before it is first shown where possible.
  var position = -1, parsed = document.readyState !== 'loading';
  function restore() {
    if (position < 0 || !parsed) return;
    window.scrollTo(window.scrollX, position);
    position = -1;
    send('Scrolled', [window.scrollY]);
  }
  // After the other handlers of the event, one of which may release a held display.
  document.addEventListener('DOMContentLoaded', function () {
    setTimeout(function () { parsed = true; restore(); }, 0);
  });
  new QWebChannel(qt.webChannelTransport, function (channel) {
    bridge = channel.objects.viewer;
    position = bridge.position;
    queue.forEach(function (message) { bridge[message[0]].apply(bridge, message[1]); });
    queue = [];
    restore();
  });
  function linkOf(node) {
    for (; node; node = node.parentNode)
      if (node.nodeType === 1 && (node.localName === 'a' || node.localName === 'area') &&
          node.hasAttribute('href'))
        return node;
    return null;
  }
  var pointed = null;
  function point(link) {
    if (link === pointed) return;
    pointed = link;
    send('Pointed', [link ? link.getAttribute('href') : '']);
  }
  document.addEventListener('mouseover', function (e) { point(linkOf(e.target)); }, true);
  document.addEventListener('mouseout', function (e) { if (!e.relatedTarget) point(null); }, true);
  window.addEventListener('click', function (e) {
    if (e.defaultPrevented || e.button !== 0 || e.ctrlKey || e.shiftKey || e.metaKey || e.altKey)
      return;
    var link = linkOf(e.target);
    if (!link) return;
    var target = link.getAttribute('href');
    if (/^\s*javascript:/i.test(target)) return;
    e.preventDefault();
    send('Clicked', [target, new URL(target, document.baseURI).href]);
  });
  window.addEventListener('submit', function (e) {
    if (e.defaultPrevented) return;
    var form = e.target, submitter = e.submitter;
    var method = ((submitter && submitter.getAttribute('formmethod')) ||
                  form.getAttribute('method') || 'GET').toUpperCase();
    if (method === 'DIALOG') return;
    e.preventDefault();
    var action = submitter && submitter.hasAttribute('formaction') ?
        submitter.getAttribute('formaction') : (form.getAttribute('action') || '');
    var lines = [];
    new FormData(form).forEach(function (value, name) {
      lines.push(name + '=' + (typeof value === 'string' ? value : value.name));
    });
    if (submitter && submitter.name) lines.push(submitter.name + '=' + submitter.value);
    send('Submitted', [action, method, lines]);
  });
})();
)JS";

QString WebChannelScript() {
  static const QString source = [] {
    QFile file(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }();
  return source;
}

QWebEngineScript MakeScript(const QString& name, const QString& source) {
  QWebEngineScript script;
  script.setName(name);
  script.setSourceCode(source);
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::ApplicationWorld);
  script.setRunsOnSubFrames(false);
  return script;
}

bool SameDocument(const QUrl& a, const QUrl& b) {
  return a.scheme() == b.scheme() && a.host() == b.host() &&
         a.path(QUrl::FullyDecoded) == b.path(QUrl::FullyDecoded) &&
         a.query(QUrl::FullyDecoded) == b.query(QUrl::FullyDecoded);
}

// The page count a PDF's page tree states: the largest "/Count" of its page nodes.
int PdfPageCount(const QByteArray& pdf) {
  static const QRegularExpression count(QStringLiteral("/Count\\s+(\\d+)"));
  int pages = 0;
  for (const QRegularExpressionMatch& match : count.globalMatch(QString::fromLatin1(pdf)))
    pages = std::max(pages, match.captured(1).toInt());
  return pages;
}

QString ClosedFolder(const QString& directory) {
  const QString clean = QDir::cleanPath(QDir(directory).absolutePath());
  return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

}  // namespace

HtmlViewer::HtmlViewer(QWidget* parent)
    : QWebEngineView(parent),
      Page(new ViewerPage(this)),
      Channel(new QWebChannel(this)),
      Bridge(new ViewerBridge(this)) {
  static int viewers = 0;
  Host = QStringLiteral("v%1").arg(++viewers);
  PreviewSchemeHandler::Instance();
  setPage(Page);
  // The program gives each viewer the menu it needs.
  setContextMenuPolicy(Qt::NoContextMenu);
  QWebEngineSettings* settings = Page->settings();
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
  // Rendering while the user types must not take the focus from the editor.
  settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
  Channel->registerObject(QStringLiteral("viewer"), Bridge);
  Page->setWebChannel(Channel, QWebEngineScript::ApplicationWorld);
  Page->scripts().insert(
      MakeScript(BridgeScriptName, WebChannelScript() + QString::fromUtf8(BridgeScript)));
  BaseDirectory = ClosedFolder(QDir::currentPath());
  TextColor = QColor(Qt::black);

  Page->SetNavigationFilter([this](const QUrl& url, QWebEnginePage::NavigationType type) {
    return AcceptNavigation(url, type);
  });
  connect(Page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
    switch (info.status()) {
      case QWebEngineLoadingInfo::LoadStartedStatus:
        break;
      case QWebEngineLoadingInfo::LoadSucceededStatus:
        LoadEnded(info.url(), true);
        break;
      case QWebEngineLoadingInfo::LoadStoppedStatus:
      case QWebEngineLoadingInfo::LoadFailedStatus:
        LoadEnded(info.url(), false);
        break;
    }
  });
  connect(Page, &QWebEnginePage::scrollPositionChanged, this, [this](const QPointF& position) {
    if (!Loading) CurrentPosition = qRound(position.y());
  });
  connect(Page, &QWebEnginePage::renderProcessTerminated, this, [this] {
    if (Loading) FinishLoad(false);
  });
  connect(Bridge, &ViewerBridge::PageScrolled, this, [this](int position) {
    CurrentPosition = position;
    Scrolled = true;
  });
  connect(Bridge, &ViewerBridge::LinkPointed, this, [this](const QString& target) {
    Pointed = target;
    emit LinkPointed(target);
  });
  connect(Bridge, &ViewerBridge::LinkClicked, this,
          [this](const QString& target, const QString& resolved) {
            ClickLink(target, QUrl(resolved));
          });
  connect(Bridge, &ViewerBridge::FormSubmitted, this, &HtmlViewer::FormSubmitted);
  connect(this, &QWebEngineView::printFinished, this, [this](bool ok) {
    const std::function<void(bool)> done = std::move(PrintDone);
    PrintDone = nullptr;
    if (done) done(ok);
  });
}

HtmlViewer::~HtmlViewer() { PreviewSchemeHandler::Instance().RemoveSite(Host); }

// ---------------------------------------------------------------- rendering

void HtmlViewer::RenderText(const QString& html, const QString& baseDirectory,
                            const QString& documentName) {
  BaseDirectory = ClosedFolder(baseDirectory.isEmpty() ? QDir::currentPath() : baseDirectory);
  DocumentPath = BaseDirectory + documentName;
  // Each render has a URL of its own, so that its load is told from the one it replaces.
  static quint64 renders = 0;
  Marker = QString::number(++renders);
  Document = html.toUtf8();
  PublishSite();
  HoldDisplay(Document.size() >= HoldFromBytes);
  StartLoad(PreviewSchemeHandler::UrlFor(Host, DocumentPath, Marker));
  RenderLoad = true;
}

void HtmlViewer::RenderFile(const QString& path) {
  const QFileInfo info(path);
  BaseDirectory = ClosedFolder(info.absolutePath());
  DocumentPath.clear();
  Marker.clear();
  Document.clear();
  PublishSite();
  HoldDisplay(info.size() >= HoldFromBytes);
  StartLoad(PreviewSchemeHandler::UrlFor(Host, QDir::cleanPath(info.absoluteFilePath())));
  RenderLoad = true;
}

void HtmlViewer::RenderImage(const QString& path) {
  const QFileInfo info(path);
  RenderText(QStringLiteral("<IMG SRC=\"%1\">")
                 .arg(QString::fromUtf8(QUrl::toPercentEncoding(info.fileName()))),
             info.absolutePath());
}

void HtmlViewer::Clear() { RenderText(QString(), BaseDirectory); }

void HtmlViewer::SetExtraRoots(const QStringList& directories) {
  ExtraRoots = directories;
  PublishSite();
}

void HtmlViewer::HoldDisplay(bool hold) {
  QWebEngineScriptCollection& scripts = Page->scripts();
  const QList<QWebEngineScript> held = scripts.find(HoldScriptName);
  if (hold == !held.isEmpty()) return;
  if (hold)
    scripts.insert(MakeScript(HoldScriptName, QString::fromUtf8(HoldScript)));
  else
    for (const QWebEngineScript& script : held) scripts.remove(script);
}

void HtmlViewer::PublishSite() {
  PreviewSchemeHandler::Site site;
  site.DocumentPath = DocumentPath;
  site.Marker = Marker;
  site.Document = Document;
  site.Roots = QStringList{BaseDirectory} + ExtraRoots;
  PreviewSchemeHandler::Instance().SetSite(Host, site);
}

void HtmlViewer::StartLoad(const QUrl& url) {
  Loading = true;
  RenderLoad = false;
  Expected = url;
  PendingPosition = -1;
  Scrolled = false;
  Bridge->SetRestorePosition(-1);
  LastMatch = 0;
  Finding = false;  // a new document may leave a search unanswered
  NextFind = nullptr;
  // The link under the pointer goes with the document it was in.
  if (!Pointed.isEmpty()) {
    Pointed.clear();
    emit LinkPointed(QString());
  }
  Page->load(url);
}

void HtmlViewer::LoadEnded(const QUrl& url, bool ok) {
  // Loads replaced by a later one report here too; only the latest counts.
  if (!Loading || !SameDocument(url, Expected)) return;
  FinishLoad(ok);
}

void HtmlViewer::FinishLoad(bool ok) {
  // The page scrolls itself to the position asked for (see the bridge script, which may
  // still be waiting for its channel); until it reports, that position is the best
  // knowledge of where it stands.
  if (!Scrolled) CurrentPosition = std::max(0, PendingPosition);
  PendingPosition = -1;
  Loading = false;
  const bool moved = HistoryMove;
  HistoryMove = false;
  emit RenderFinished(ok);
  if (moved) emit HistoryChanged();
}

void HtmlViewer::RunScroll(const QString& script) {
  // The script's value is where the document stands afterwards.
  QPointer<HtmlViewer> self(this);
  Page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [self](const QVariant& scrolled) {
    if (self && scrolled.isValid()) self->CurrentPosition = qRound(scrolled.toDouble());
  });
}

// ---------------------------------------------------------------- scrolling

int HtmlViewer::Position() const { return CurrentPosition; }

void HtmlViewer::SetPosition(int position) {
  position = std::max(0, position);
  if (Loading) {
    PendingPosition = position;
    Bridge->SetRestorePosition(position);
    return;
  }
  RunScroll(QStringLiteral("window.scrollTo(window.scrollX, %1); window.scrollY").arg(position));
}

void HtmlViewer::ScrollToBottom() {
  RunScroll(QStringLiteral(
      "window.scrollTo(window.scrollX, document.scrollingElement.scrollHeight); window.scrollY"));
}

// ---------------------------------------------------------------- links and history

void HtmlViewer::ClickLink(const QString& target, const QUrl& resolved) {
  bool handled = false;
  emit LinkClicked(target, &handled);
  if (!handled) Follow(resolved);
}

QUrl HtmlViewer::LocalUrl(const QUrl& url) const {
  // Files are served through the scheme, so they pass the same access check.
  if (url.isLocalFile()) {
    QUrl local = PreviewSchemeHandler::UrlFor(Host, QDir::cleanPath(url.toLocalFile()));
    local.setFragment(url.fragment());
    return local;
  }
  return url;
}

void HtmlViewer::Follow(QUrl url) {
  url = LocalUrl(url);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || scheme == QLatin1String("javascript")) return;
  const bool viewable = scheme == QLatin1String(PreviewSchemeHandler::Scheme) ||
                        scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                        scheme == QLatin1String("about") || scheme == QLatin1String("data");
  if (!viewable) {
    // mailto: and the like belong to the desktop's programs.
    QDesktopServices::openUrl(url);
    return;
  }
  if (url.hasFragment() && SameDocument(url, Page->url())) {
    // A jump inside the document shown only scrolls.
    Page->runJavaScript(QStringLiteral("location.hash = %1")
                            .arg(QStringLiteral("decodeURIComponent('%1')")
                                     .arg(QString::fromUtf8(QUrl::toPercentEncoding(
                                         url.fragment(QUrl::FullyDecoded))))),
                        QWebEngineScript::ApplicationWorld);
    return;
  }
  if (HistoryMax > 0) {
    History.erase(History.begin(), History.begin() + HistoryPosition);
    History.prepend(url);
    while (History.size() > HistoryMax) History.removeLast();
    HistoryPosition = 0;
    HistoryMove = true;
  }
  StartLoad(url);
}

bool HtmlViewer::AcceptNavigation(const QUrl& url, int type) {
  switch (type) {
    case QWebEnginePage::NavigationTypeTyped:  // the viewer's own loads
      return !url.isLocalFile();
    case QWebEnginePage::NavigationTypeLinkClicked: {
      // A click the page's script kept from the bridge: decide on it the same way, with
      // the target written relative to the document as far as it can be.
      QString target = url.toString();
      const QString path = PreviewSchemeHandler::PathOf(url);
      const QString here = PreviewSchemeHandler::PathOf(Page->url());
      if (!path.isEmpty() && !here.isEmpty() && url.host() == Host) {
        target = QDir(QFileInfo(here).path()).relativeFilePath(path);
        if (url.hasQuery()) target += QLatin1Char('?') + url.query();
        if (url.hasFragment()) target += QLatin1Char('#') + url.fragment();
      }
      ClickLink(target, url);
      return false;
    }
    case QWebEnginePage::NavigationTypeFormSubmitted:
      // Forms are reported through the bridge and sent nowhere.
      return false;
    case QWebEnginePage::NavigationTypeRedirect:
      if (Loading) Expected = url;
      return !url.isLocalFile();
    default:
      return !url.isLocalFile();
  }
}

void HtmlViewer::SetHistoryMaxCount(int count) {
  HistoryMax = std::max(0, count);
  while (History.size() > HistoryMax) History.removeLast();
  HistoryPosition = std::min(HistoryPosition, std::max(0, int(History.size()) - 1));
}

QString HtmlViewer::HistoryEntry(int index) const {
  if (index < 0 || index >= History.size()) return QString();
  const QUrl& url = History[index];
  const QString path = PreviewSchemeHandler::PathOf(url);
  if (path.isEmpty()) return url.toString();
  return url.hasFragment() ? path + QLatin1Char('#') + url.fragment() : path;
}

void HtmlViewer::SetHistoryIndex(int index) {
  if (index < 0 || index >= History.size()) return;
  HistoryPosition = index;
  HistoryMove = true;
  StartLoad(History[index]);
}

// ---------------------------------------------------------------- find, copy, print

void HtmlViewer::FindNext(const QString& text, bool matchCase,
                          const std::function<void(bool)>& done) {
  // The engine takes a search asked for before the last one answered as a new one.
  if (Finding) {
    NextFind = [this, text, matchCase, done] { RunFind(text, matchCase, done); };
    return;
  }
  RunFind(text, matchCase, done);
}

void HtmlViewer::RunFind(const QString& text, bool matchCase,
                         const std::function<void(bool)>& done) {
  Finding = true;
  if (text != LastFind || matchCase != LastFindCase) {
    LastFind = text;
    LastFindCase = matchCase;
    LastMatch = 0;
  }
  QPointer<HtmlViewer> self(this);
  Page->findText(
      text, matchCase ? QWebEnginePage::FindCaseSensitively : QWebEnginePage::FindFlags(),
      [self, done](const QWebEngineFindTextResult& result) {
        if (!self) return;
        // The engine starts again at the top after the last match: that is the
        // end of this search.
        const bool found = result.numberOfMatches() > 0 && result.activeMatch() > self->LastMatch;
        self->LastMatch = found ? result.activeMatch() : 0;
        self->Finding = false;
        if (done) done(found);
        if (self && self->NextFind) {
          const std::function<void()> next = std::move(self->NextFind);
          self->NextFind = nullptr;
          next();
        }
      });
}

QString HtmlViewer::SelectedText() const { return Page->selectedText(); }

void HtmlViewer::CopySelection() const { QGuiApplication::clipboard()->setText(SelectedText()); }

void HtmlViewer::PrintPages(QPrinter& printer, int from, int to,
                            const std::function<void(bool)>& done) {
  // The engine fails a range that reaches past the last page, so the range is fitted to
  // the document's pages first.
  QPointer<HtmlViewer> self(this);
  Page->printToPdf([self, &printer, from, to, done](const QByteArray& pdf) {
    if (!self) return;
    const int pages = PdfPageCount(pdf);
    const int first = std::max(1, from);
    const int last = std::min(to, pages);
    if (first > last) {
      if (done) done(false);
      return;
    }
    printer.setFromTo(first, last);
    self->PrintDone = done;
    self->print(&printer);
  });
}

QString HtmlViewer::DocumentTitle() const {
  // The engine calls a document without a title by its address.
  const QString title = Page->title();
  const QUrl url = Page->url();
  if (title.isEmpty() || title == url.toString() || title == url.toDisplayString() ||
      QUrl(title) == url || url.toString().endsWith(title))
    return QString();
  return title;
}

// ---------------------------------------------------------------- defaults

void HtmlViewer::SetDefaultFont(const QString& family, int size) {
  if (!family.isEmpty()) settings()->setFontFamily(QWebEngineSettings::StandardFont, family);
  if (size > 0) settings()->setFontSize(QWebEngineSettings::DefaultFontSize, size);
}

QString HtmlViewer::DefaultFontName() const {
  return Page->settings()->fontFamily(QWebEngineSettings::StandardFont);
}

int HtmlViewer::DefaultFontSize() const {
  return Page->settings()->fontSize(QWebEngineSettings::DefaultFontSize);
}

void HtmlViewer::SetDefaultColors(const QColor& text, const QColor& background) {
  if (background.isValid()) Page->setBackgroundColor(background);
  if (!text.isValid()) return;
  TextColor = text;
  QWebEngineScriptCollection& scripts = Page->scripts();
  for (const QWebEngineScript& old : scripts.find(ColorScriptName)) scripts.remove(old);
  // The lowest-ranking rule there is: any colour the document sets wins.
  scripts.insert(MakeScript(
      ColorScriptName,
      QStringLiteral("(function () { var sheet = new CSSStyleSheet();"
                     " sheet.replaceSync(':where(:root) { color: %1 }');"
                     " document.adoptedStyleSheets = [sheet].concat(document.adoptedStyleSheets);"
                     " })();")
          .arg(text.name())));
}

QColor HtmlViewer::DefaultBackground() const { return Page->backgroundColor(); }

bool HtmlViewer::ImagesEnabled() const {
  return Page->settings()->testAttribute(QWebEngineSettings::AutoLoadImages);
}

void HtmlViewer::SetImagesEnabled(bool enabled) {
  Page->settings()->setAttribute(QWebEngineSettings::AutoLoadImages, enabled);
}
