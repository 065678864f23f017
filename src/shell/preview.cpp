#include "shell/preview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>

#include "core/preview_links.h"
#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "platform/prompts.h"
#include "platform/three_way_splitter.h"
#include "shell/browser_launcher.h"
#include "shell/find_dialog.h"
#include "shell/page_documents.h"
#include "shell/page_printer.h"
#include "shell/submit_form.h"
#include "shell/tform1.h"
#include "shell/wait_cursor.h"

namespace {
const QString FullScreenHint = QStringLiteral("View HTML document in full screen");
const QString SplitScreenHint = QStringLiteral("View HTML document in split screen");
const QString BackHint = QStringLiteral("Move viewer back one page");
const QString ForwardHint = QStringLiteral("Move viewer forward one page");
constexpr int HistorySize = 10;

// The menus that leave the full-screen preview when they open: all but "His&tory".
const char* const MenusLeavingFullScreen[] = {"File1",     "Projects1",      "Edit",
                                              "Search1",   "Page1",          "InsertMenu",
                                              "HTMLCodes", "ScreenOptions1", "Help1"};
}  // namespace

Preview::Preview(TForm1& form)
    : Form(form),
      Submit(new TSubmitForm(&form)),
      Finder(new FindDialog(&form)),
      Launcher(std::make_unique<BrowserLauncher>(form)),
      Printer(std::make_unique<PagePrinter>(form)) {
  for (HtmlViewer* viewer : {Form.HTMLSplit, Form.HTMLFull}) {
    viewer->SetHistoryMaxCount(HistorySize);
    connect(viewer, &HtmlViewer::LinkPointed, this, &Preview::HTMLSplitHotSpotCovered);
    connect(viewer, &HtmlViewer::HistoryChanged, this,
            [this, viewer] { HTMLSplitHistoryChange(*viewer); });
  }
  // Only the split preview decides on clicks and reports forms; the full-screen preview
  // follows every link itself.
  connect(Form.HTMLSplit, &HtmlViewer::LinkClicked, this, &Preview::HTMLSplitHotSpotClick);
  connect(Form.HTMLSplit, &HtmlViewer::FormSubmitted, this, &Preview::HTMLSplitFormSubmit);
  for (HtmlViewer* viewer : {Form.HTMLSplit, Form.HTMLFull, Form.HTMLFrames})
    connect(viewer, &HtmlViewer::RenderFinished, this,
            [this, viewer](bool ok) { ViewerRenderFinished(*viewer, ok); });
  connect(Finder, &FindDialog::Find, this, &Preview::FindDialogFind);

  HTMLPopup = new QMenu(Form.HTMLSplit);
  HTMLPopup->setObjectName(QStringLiteral("HTMLPopup"));
  auto add = [this](const char* name, const QString& caption, void (Preview::*handler)()) {
    QAction* action = HTMLPopup->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
  };
  add("SearchSource2", QStringLiteral("Search Source"), &Preview::SearchSourceClick);
  add("Gototop1", QStringLiteral("Go to top"), &Preview::GoToTopClick);
  add("Gotobottom1", QStringLiteral("Go to bottom"), &Preview::GoToBottomClick);
  add("Copy2", QStringLiteral("Copy"), &Preview::CopyClick);
  add("Find2", QStringLiteral("Find"), &Preview::FindClick);
  HTMLPopup->addSeparator();
  add("RefreshView2", QStringLiteral("Refresh View"), &Preview::UpdateWebView);
  add("FullScreenView", QStringLiteral("Full Screen View"), &Preview::View1Click);
  connect(HTMLPopup, &QMenu::aboutToShow, this, &Preview::HTMLPopupPopup);
  Form.HTMLSplit->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Form.HTMLSplit, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { HTMLPopup->popup(Form.HTMLSplit->mapToGlobal(at)); });
}

Preview::~Preview() = default;

void Preview::WireCommands() {
  for (const char* name : MenusLeavingFullScreen)
    if (QMenu* menu = Form.findChild<QMenu*>(QString::fromLatin1(name)))
      connect(menu, &QMenu::aboutToShow, this, &Preview::HideFullScreen);
  if (QMenu* page = Form.findChild<QMenu*>(QStringLiteral("Page1")))
    connect(page, &QMenu::aboutToShow, this, &Preview::Page1Click);
  if (QMenu* search = Form.findChild<QMenu*>(QStringLiteral("Search1")))
    connect(search, &QMenu::aboutToShow, this, &Preview::SearchClick);
  for (QAction* item : Form.HistoryMenuItem->actions())
    connect(item, &QAction::triggered, this, [this, item] { HistoryClick(item->data().toInt()); });
  for (const QString& hint : {BackHint, ForwardHint})
    if (QToolButton* button = Form.ToolButton(hint)) button->setEnabled(false);
}

// ---------------------------------------------------------------- rendering

QString Preview::PreviewFileOf(const QString& pagePath) {
  return QFileInfo(pagePath).absolutePath() + QStringLiteral("/quorview.htm");
}

QString Preview::PageDirectory() const {
  const QString& page = Form.Pages().CurrentFileName();
  return page.isEmpty() ? Form.Pages().CurrentDir() : QFileInfo(page).absolutePath();
}

PageEncoding Preview::CurrentEncoding() const {
  const std::vector<PageHandle>& pages = Form.Pages().PageList();
  const int current = Form.WebPageTabs->currentIndex();
  return current >= 0 && size_t(current) < pages.size() ? pages[size_t(current)].Encoding
                                                        : PageEncoding::Utf8;
}

QStringList Preview::AccessRoots() const {
  // Beside the page's own folder tree: the program, the shared graphics and, for a page
  // of a project, the project, whose folder holds its PROJECT.INI.
  QStringList roots{Form.ProgramDir()};
  if (!Form.Settings.SharedImageDir.isEmpty()) roots << Form.Settings.SharedImageDir;
  const std::vector<PageHandle>& pages = Form.Pages().PageList();
  const int current = Form.WebPageTabs->currentIndex();
  if (current >= 0 && size_t(current) < pages.size() && pages[size_t(current)].InProject) {
    for (QDir dir(PageDirectory());;) {
      if (!dir.entryList({QStringLiteral("project.ini")}, QDir::Files).isEmpty()) {
        roots << dir.absolutePath();
        break;
      }
      if (!dir.cdUp()) break;
    }
  }
  return roots;
}

bool Preview::WritePreviewFile(QString* path) {
  const QString file = PreviewFileOf(PageDirectory() + QStringLiteral("/page"));
  if (path) *path = file;
  QString error;
  if (Form.WebPage->SaveFile(file, CurrentEncoding(), LineEndStyle::Default, &error)) return true;
  Form.Ask().Fail(error);
  return false;
}

void Preview::UpdateWebView() {
  HtmlViewer& split = *Form.HTMLSplit;
  if (IsFullScreen()) {
    // The full-screen preview is rendered when it is entered.
    RefreshViewer(0, split);
    return;
  }
  // Renders never queue up behind each other: a change made while the preview is still
  // rendering is shown by one more render when that one is done.
  if (split.Busy()) {
    RefreshPending = true;
    return;
  }
  RefreshPending = false;
  // The editor's find from a position leaves caret, selection and scroll where they are.
  EditorSurface::FindPosition start;
  const bool frames = Form.WebPage->FindFrom(start, QStringLiteral("<frameset "));
  Form.SplitScreen->SetBar(2, frames ? Form.SplitScreen->Bar(1) + 1 : 100);
  const int position = PendingTop ? 0 : split.Position();
  PendingTop = false;
  RefreshViewer(position, split);
  if (!frames) return;
  if (!QDir::setCurrent(PageDirectory()))
    Form.Ask().Fail(QStringLiteral("Error changing default directory."));
  QString file;
  if (!WritePreviewFile(&file)) return;
  Form.HTMLFrames->SetExtraRoots(AccessRoots());
  Form.HTMLFrames->RenderFile(file);
}

void Preview::RefreshViewer(int position, HtmlViewer& viewer) {
  const WaitCursor wait;
  Form.ToolsPanel->setEnabled(false);
  const QString text = Form.WebPage->WholeText();
  const QString& page = Form.Pages().CurrentFileName();
  viewer.SetExtraRoots(AccessRoots());
  if (text.isEmpty())
    viewer.Clear();
  else
    viewer.RenderText(text, PageDirectory(),
                      page.isEmpty() ? QString() : QFileInfo(page).fileName());
  viewer.SetPosition(position);
  Form.ToolsPanel->setEnabled(true);
}

void Preview::ViewerRenderFinished(HtmlViewer& viewer, bool ok) {
  if (!ok && viewer.Rendering() && &viewer != Form.HTMLFrames)
    Form.Ask().Warn(
        QStringLiteral("An error occured while parsing a comment in your HTML document!"));
  if (&viewer == Form.HTMLSplit && RefreshPending) UpdateWebView();
}

void Preview::ScrollToTop() {
  if (RefreshPending) PendingTop = true;
  Form.HTMLSplit->SetPosition(0);
}

// ---------------------------------------------------------------- full screen and split

bool Preview::IsFullScreen() const { return Form.MainSplitter->isHidden(); }

void Preview::SetFullScreenCaptions(bool fullScreen) {
  if (QToolButton* button = Form.ToolButton(FullScreenHint)) {
    const QString hint = fullScreen ? SplitScreenHint : FullScreenHint;
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAccessibleName(hint);
  }
  if (QAction* item = Form.Command(QStringLiteral("View1")))
    item->setText(fullScreen ? QStringLiteral("&View Split Screen!")
                             : QStringLiteral("&View Full Screen!"));
}

void Preview::View1Click() {
  if (IsFullScreen()) {
    SetFullScreenCaptions(false);
    Form.ToolsPanel->show();
    Form.HTMLFull->hide();
    Form.MainSplitter->show();
    return;
  }
  Form.Settings.fullscreen =
      Form.ShowHelperNote(2, QStringLiteral("Full Screen"), Form.Settings.fullscreen);
  Form.MainSplitter->hide();
  Form.HTMLFull->show();
  RefreshViewer(0, *Form.HTMLFull);
  SetFullScreenCaptions(true);
  Form.ToolsPanel->hide();
}

void Preview::HideFullScreen() {
  if (IsFullScreen()) View1Click();
}

void Preview::SpeedButton31Click() {
  const bool beside = Form.SplitScreen->orientation() == Qt::Horizontal;
  Form.SplitScreen->setOrientation(beside ? Qt::Vertical : Qt::Horizontal);
  Form.Settings.SplitDirection = beside ? 0 : 1;
}

// ---------------------------------------------------------------- links and history

void Preview::HTMLSplitHotSpotCovered(const QString& target) { Form.ShowHint(target); }

void Preview::HTMLSplitHotSpotClick(const QString& target, bool* handled) {
  const QString image = LinkImageName(target, Form.Settings.GraphicExtension);
  if (image.isEmpty()) return;
  if (Form.ImageList) Form.ImageList->setEditText(image);
  *handled = true;
}

void Preview::HTMLSplitHistoryChange(HtmlViewer& viewer) {
  const int count = viewer.HistoryCount();
  const int index = viewer.HistoryIndex();
  if (QToolButton* forward = Form.ToolButton(ForwardHint)) forward->setEnabled(index > 0);
  if (QToolButton* back = Form.ToolButton(BackHint)) back->setEnabled(index < count);
  Form.HistoryMenuItem->menuAction()->setVisible(count > 0);
  for (QAction* item : Form.HistoryMenuItem->actions()) {
    const int i = item->data().toInt();
    item->setVisible(i < count);
    item->setText(viewer.HistoryEntry(i));
    item->setCheckable(true);
    item->setChecked(i == index);
  }
  Form.setWindowTitle(viewer.DocumentTitle());
}

void Preview::FwdBackClick(bool back) {
  for (HtmlViewer* viewer : {Form.HTMLSplit, Form.HTMLFull}) {
    const int index = viewer->HistoryIndex();
    if (!back) {
      viewer->SetHistoryIndex(index - 1);
      continue;
    }
    // Back from the oldest entry returns to the edited page.
    if (index + 1 == viewer->HistoryCount()) UpdateWebView();
    viewer->SetHistoryIndex(index + 1);
  }
}

void Preview::HistoryClick(int tag) {
  Form.HTMLSplit->SetHistoryIndex(tag);
  Form.HTMLFull->SetHistoryIndex(tag);
}

void Preview::HTMLSplitFormSubmit(const QString& action, const QString& method,
                                  const QStringList& results) {
  Submit->ShowResults(action, method, results);
}

// ---------------------------------------------------------------- pop-up menu and search

void Preview::HTMLPopupPopup() {
  const bool open = Form.Pages().PageOpen();
  for (QAction* item : HTMLPopup->actions()) item->setEnabled(open);
  if (!open) return;
  const bool selected = Form.HTMLSplit->SelLength() > 0;
  for (const char* name : {"SearchSource2", "Copy2"})
    HTMLPopup->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(selected);
}

void Preview::SearchClick() {
  if (QAction* search = Form.Command(QStringLiteral("SearchSource")))
    search->setEnabled(Form.Pages().PageOpen() && Form.HTMLSplit->SelLength() > 0);
}

void Preview::SearchSourceClick() {
  Form.WebPage->SetSelectionPoints({1, 0, 1, 0});
  Form.HTMLSplit->CopySelection();
  // The rendered selection may end in the line break of its last block; the source has
  // its own line ends.
  QString text = QApplication::clipboard()->text();
  while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
  if (!text.isEmpty()) Form.WebPage->FindForward(text);
}

void Preview::GoToTopClick() { Form.HTMLSplit->SetPosition(0); }

void Preview::GoToBottomClick() { Form.HTMLSplit->ScrollToBottom(); }

void Preview::CopyClick() {
  Form.HTMLSplit->CopySelection();
  Form.CheckClipboard();
}

void Preview::FindClick() {
  Finder->show();
  Finder->raise();
  Finder->activateWindow();
}

void Preview::FindDialogFind(const QString& text, bool matchCase) {
  Form.HTMLSplit->FindNext(text, matchCase, [this, text](bool found) {
    if (!found)
      Form.Ask().Inform(QStringLiteral("No further occurances of \"") + text + QLatin1Char('"'));
  });
}

// ---------------------------------------------------------------- the Page menu

void Preview::Page1Click() {
  const bool open = Form.Pages().PageOpen();
  QMenu* page = Form.findChild<QMenu*>(QStringLiteral("Page1"));
  if (!page) return;
  // The items that work on the page in the editor, found by what the user reads.
  for (QAction* item : page->actions())
    if (item->text() == QLatin1String("&Evaluate...") ||
        item->text() == QLatin1String("&Refresh HTML") ||
        item->text() == QLatin1String("Check Cursor Position"))
      item->setEnabled(open);
  Launcher->UpdateBrowserItems(open);
}
