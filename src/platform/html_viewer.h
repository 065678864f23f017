#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <QWebEngineView>
#include <functional>
#include <memory>

class QPrinter;
class QWebChannel;
class ViewerBridge;
class ViewerPage;

// The program's HTML viewer: renders the editor's text, a file or an image file, keeps a
// short history of the links followed, and tells the program about links and forms.
// Every preview of the program is one of these.
//
// Rendering is asynchronous: Busy() holds from the start of a render (or of a followed
// link) until its load has finished; RenderFinished() then reports it. A scroll position
// asked for meanwhile is taken by the new document as soon as it is parsed.
class HtmlViewer : public QWebEngineView {
  Q_OBJECT

 public:
  explicit HtmlViewer(QWidget* parent = nullptr);
  ~HtmlViewer() override;

  // Renders `html` as the document `documentName` in `baseDirectory`, so relative images
  // and links resolve there. The text is served from memory, not from the file.
  void RenderText(const QString& html, const QString& baseDirectory,
                  const QString& documentName = QString());
  void RenderFile(const QString& path);
  void RenderImage(const QString& path);
  void Clear();
  bool Busy() const { return Loading; }
  // Whether the load that is running, or ran last, is a render rather than a link or a
  // history entry followed.
  bool Rendering() const { return RenderLoad; }

  // Beside the rendered document's own directory tree, the directories whose files the
  // page may read. Nothing else on disk is served.
  void SetExtraRoots(const QStringList& directories);

  // Vertical scroll position in pixels; a position set during a render is where the new
  // document shows.
  int Position() const;
  void SetPosition(int position);
  void ScrollToBottom();

  // The history of followed links: entry 0 is the newest, HistoryIndex() the one shown.
  // The rendered text is no entry, so going back from the oldest entry is the caller's
  // to handle. A viewer keeps no history until given a maximum.
  void SetHistoryMaxCount(int count);
  int HistoryCount() const { return int(History.size()); }
  int HistoryIndex() const { return HistoryPosition; }
  QString HistoryEntry(int index) const;
  // Shows entry `index`; an index outside the history does nothing.
  void SetHistoryIndex(int index);

  // Finds the next occurrence of `text` after the last one found; `done` learns whether
  // there was one (false as well when the search has come round to the start again).
  void FindNext(const QString& text, bool matchCase, const std::function<void(bool)>& done);
  QString SelectedText() const;
  int SelLength() const { return SelectedText().length(); }
  void CopySelection() const;  // as plain text, at once

  // Prints pages `from` to `to` of the document; `done` learns whether it printed. The
  // printer must stay until then.
  void PrintPages(QPrinter& printer, int from, int to, const std::function<void(bool)>& done);

  // The document's own title; empty when it has none.
  QString DocumentTitle() const;

  void SetDefaultFont(const QString& family, int size);
  QString DefaultFontName() const;
  int DefaultFontSize() const;
  // Text colour and background of documents that set none themselves.
  void SetDefaultColors(const QColor& text, const QColor& background);
  QColor DefaultTextColor() const { return TextColor; }
  QColor DefaultBackground() const;

  bool ImagesEnabled() const;
  void SetImagesEnabled(bool enabled);

 signals:
  void RenderFinished(bool ok);
  void HistoryChanged();
  // The link under the pointer as the page writes it; empty when the pointer leaves it.
  void LinkPointed(const QString& target);
  // A link clicked, as the page writes it. Setting *handled keeps the viewer from
  // following it.
  void LinkClicked(const QString& target, bool* handled);
  // A form submitted; the viewer never sends it anywhere.
  void FormSubmitted(const QString& action, const QString& method, const QStringList& results);

 private:
  void StartLoad(const QUrl& url);
  void LoadEnded(const QUrl& url, bool ok);
  void FinishLoad(bool ok);
  void PublishSite();
  void HoldDisplay(bool hold);
  void ClickLink(const QString& target, const QUrl& resolved);
  void Follow(QUrl url);
  bool AcceptNavigation(const QUrl& url, int type);
  QUrl LocalUrl(const QUrl& url) const;
  void RunScroll(const QString& script);
  void RunFind(const QString& text, bool matchCase, const std::function<void(bool)>& done);

  ViewerPage* Page;
  QWebChannel* Channel;
  ViewerBridge* Bridge;
  QString Host;
  QString BaseDirectory;
  QString DocumentPath;
  QString Marker;
  QByteArray Document;
  QStringList ExtraRoots;
  QColor TextColor;
  QString Pointed;  // the link under the pointer

  bool Loading = false;
  bool RenderLoad = false;
  QUrl Expected;
  int PendingPosition = -1;
  bool Scrolled = false;  // the page has reported its position since the load started
  // The engine reports scrolling late; the position is what it last reported or what the
  // viewer itself last scrolled to, whichever came later.
  int CurrentPosition = 0;
  bool HistoryMove = false;

  QList<QUrl> History;
  int HistoryPosition = 0;
  int HistoryMax = 0;

  std::function<void(bool)> PrintDone;

  QString LastFind;
  bool LastFindCase = false;
  int LastMatch = 0;
  bool Finding = false;
  std::function<void()> NextFind;  // a search asked for while one is running
};
