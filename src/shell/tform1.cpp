#include "shell/tform1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWebEngineSettings>

#include "core/file_filter.h"
#include "core/number_text.h"
#include "platform/editor_surface.h"
#include "platform/file_browser.h"
#include "platform/html_viewer.h"
#include "platform/prompts.h"
#include "platform/three_way_splitter.h"
#include "projects/evaluate_form.h"
#include "projects/project_commands.h"
#include "projects/project_tree.h"
#include "shell/about_box.h"
#include "shell/browser_launcher.h"
#include "shell/helper_notes.h"
#include "shell/page_documents.h"
#include "shell/page_printer.h"
#include "shell/preview.h"
#include "shell/scratch_pad.h"
#include "shell/wait_cursor.h"
#include "tags/source_context.h"
#include "tags/tag_insertion.h"
#include "tags/tag_menus.h"
#include "tags/tag_palette.h"

TForm1* TForm1::Self = nullptr;

namespace {
const char* const PaletteTabs[] = {"Font",     "Special",  "Format",   "Lists",     "Tables",
                                   "Images",   "Links",    "Forms",    "Templates", "ASP",
                                   "Custom 1", "Custom 2", "Custom 3", "Custom 4"};
constexpr int FirstCustomTab = 10;
const QString FileListCaption = QStringLiteral("File List");

// Colour numbers keep red in the lowest byte, then green, then blue.
QColor ColorSetting(const QString& text) {
  const quint32 number = quint32(IntegerFromText(text));
  return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}
QString NumberText(const QColor& color) {
  return QString::number(quint32(color.red()) | (quint32(color.green()) << 8) |
                         (quint32(color.blue()) << 16));
}
}  // namespace

TForm1::TForm1(const ShellEnvironment& environment)
    : ProgramDirectory(environment.ProgramDir), Questions(environment.Ask) {
  Self = this;
  setWindowTitle(QStringLiteral("Quorvane 32"));
  resize(623, 456);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  BuildWidgets();
  Documents = std::make_unique<PageDocuments>(*this);
  Previews = std::make_unique<Preview>(*this);
  Scratch = std::make_unique<ScratchPad>(*this);
  TagService = std::make_unique<TagInsertion>(*this);
  BuildMenus();
  Tree = std::make_unique<ProjectTree>(*this);
  Evaluation = new TEvaluateForm({WebPage, [this] { return Documents->CurrentFileName(); },
                                  [this] { return Documents->CurrentDir(); },
                                  [this] { GetLocation(); }, Questions},
                                 this);
  ProjectService = new ProjectCommands(*this);
  AddCommand(
      findChild<QMenu*>(QStringLiteral("Page1")), QStringLiteral("Evaluate1"),
      QStringLiteral("&Evaluate..."), [this] { Evaluation->Evaluate1Click(); },
      QKeySequence(Qt::CTRL | Qt::Key_E));
  BuildToolsPanel();
  ContextService = std::make_unique<SourceContext>(*this);
  ContextService->BuildCommands();
  Previews->WireCommands();
  qApp->installEventFilter(this);
  SetPageControlsEnabled(false);
  FormCreate();
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
  if (Self == this) Self = nullptr;
}

// ---------------------------------------------------------------- widgets and commands

void TForm1::BuildWidgets() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  setCentralWidget(central);

  ToolsPanel = new QWidget(central);
  ToolsPanel->setObjectName(QStringLiteral("ToolsPanel"));
  ToolsPanel->setFixedHeight(68);
  column->addWidget(ToolsPanel);

  MainSplitter = new ThreeWaySplitter(Qt::Horizontal, central);
  MainSplitter->setObjectName(QStringLiteral("MainSplitter"));
  column->addWidget(MainSplitter, 1);
  HTMLFull = new HtmlViewer(central);
  HTMLFull->setObjectName(QStringLiteral("HTMLFull"));
  HTMLFull->hide();
  column->addWidget(HTMLFull, 1);

  FileTabs = new QTabWidget(MainSplitter);
  FileTabs->setObjectName(QStringLiteral("FileTabs"));
  FileTabs->setMinimumWidth(60);
  Outline1 = new QTreeWidget(FileTabs);
  Outline1->setObjectName(QStringLiteral("Outline1"));
  Outline1->setHeaderHidden(true);
  FileTabs->addTab(Outline1, QStringLiteral("Projects"));
  FileList = new FileBrowser(FileTabs);
  FileTabs->addTab(FileList, FileListCaption);

  SplitScreen = new ThreeWaySplitter(Qt::Vertical, MainSplitter);
  SplitScreen->setObjectName(QStringLiteral("SplitScreen"));
  auto* editorPane = new QWidget(SplitScreen);
  auto* editorColumn = new QVBoxLayout(editorPane);
  editorColumn->setContentsMargins(0, 0, 0, 0);
  editorColumn->setSpacing(0);
  WebPageTabs = new QTabBar(editorPane);
  WebPageTabs->setObjectName(QStringLiteral("WebPageTabs"));
  WebPageTabs->installEventFilter(this);
  WebPageTabs->setExpanding(false);
  WebPage = new EditorSurface(editorPane);
  WebPage->setObjectName(QStringLiteral("WebPage"));
  WebPage->setAccessibleName(QStringLiteral("Page editor"));
  WebPage->setEnabled(false);
  editorColumn->addWidget(WebPageTabs);
  editorColumn->addWidget(WebPage, 1);
  HTMLSplit = new HtmlViewer(SplitScreen);
  HTMLSplit->setObjectName(QStringLiteral("HTMLSplit"));
  HTMLSplit->SetImagesEnabled(false);
  HTMLFull->SetImagesEnabled(false);
  HTMLFrames = new HtmlViewer(SplitScreen);
  HTMLFrames->setObjectName(QStringLiteral("HTMLFrames"));
  // The viewers start their pages now: a viewer that starts after the window is shown
  // makes the toolkit recreate the window, which then covers any dialog already open.
  for (HtmlViewer* viewer : {HTMLSplit, HTMLFrames, HTMLFull}) viewer->Clear();
  SplitScreen->SetBar(1, 50);
  SplitScreen->SetBar(2, 100);

  SpareEditor = new EditorSurface(MainSplitter);
  SpareEditor->setObjectName(QStringLiteral("SpareEditor"));
  SpareEditor->setAccessibleName(QStringLiteral("Internal clipboard"));
  SpareEditor->SetEditorFont(QFont(QStringLiteral("Courier New"), 10));
  for (EditorSurface* editor : {WebPage, SpareEditor})
    editor->SetSelectionColors(palette().color(QPalette::Highlight),
                               palette().color(QPalette::HighlightedText));
  MainSplitter->SetBar(1, 20);
  MainSplitter->SetBar(2, 100);

  static const int panelWidths[] = {75, 75, 450};
  for (int i = 0; i < 3; ++i) {
    StatusPanels[i] = new QLabel(this);
    StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    StatusPanels[i]->setMinimumWidth(panelWidths[i]);
    statusBar()->addWidget(StatusPanels[i], i == 2 ? 1 : 0);
  }

  connect(WebPage, &QsciScintilla::textChanged, this, &TForm1::WebPageChange);
  connect(SpareEditor, &QsciScintilla::textChanged, this, &TForm1::WebPageChange);
  // A new selection only changes what can be copied; it does not re-render the page.
  connect(WebPage, &QsciScintilla::selectionChanged, this, &TForm1::UpdateCopyButtons);
  connect(SpareEditor, &QsciScintilla::selectionChanged, this, &TForm1::UpdateCopyButtons);
  connect(WebPage, &EditorSurface::ModeChanged, this, &TForm1::WebPageChangeMode);
  connect(WebPage, &QsciScintilla::cursorPositionChanged, this, [this] { GetLocation(); });
  connect(FileTabs, &QTabWidget::currentChanged, this, [this] {
    Command(QStringLiteral("Projects1"))->setEnabled(FileTabs->currentWidget() == Outline1);
  });
  connect(FileList, &FileBrowser::FileSelected, this, [this](const QString& path) {
    if (IsImageFileName(QFileInfo(path).fileName()))
      HTMLSplit->RenderImage(path);
    else
      HTMLSplit->RenderFile(path);
  });
  connect(FileList, &FileBrowser::FileActivated, this, [this](const QString& path) {
    if (IsImageFileName(QFileInfo(path).fileName())) return;
    if (Documents->IsFileNameOpen(path)) {
      Ask().Inform(
          QStringLiteral("Selected operation may not be performed on an open file.  "
                         "Please close the file and try again."));
      return;
    }
    Documents->LoadFile(path, false);
  });
}

QAction* TForm1::AddCommand(QMenu* menu, const QString& name, const QString& caption,
                            const std::function<void()>& handler, const QKeySequence& shortcut) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [handler] { handler(); });
  if (menu) menu->addAction(action);
  Commands.insert(name, action);
  return action;
}

void TForm1::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto addMenu = [&](const QString& name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    Commands.insert(name, menu->menuAction());
    return menu;
  };
  PageDocuments& pages = *Documents;

  QMenu* file = addMenu(QStringLiteral("File1"), QStringLiteral("&File"));
  AddCommand(file, QStringLiteral("New1"), QStringLiteral("&New"), [&pages] { pages.New1Click(); });
  AddCommand(file, QStringLiteral("OpenWeb1"), QStringLiteral("&Open ..."),
             [&pages] { pages.OpenWeb1Click(); });
  AddCommand(
      file, QStringLiteral("Save1"), QStringLiteral("&Save"), [&pages] { pages.Save1Click(); },
      QKeySequence(Qt::Key_F2));
  AddCommand(file, QStringLiteral("SaveAs1"), QStringLiteral("Save &As..."),
             [&pages] { pages.SaveAs1Click(); });
  AddCommand(file, QStringLiteral("ClosePage"), QStringLiteral("&Close Page"),
             [&pages] { pages.ClosePageClick(); });
  AddCommand(file, QStringLiteral("CloseAll"), QStringLiteral("C&lose All"),
             [&pages] { pages.CloseAllClick(); });
  file->addSeparator();
  AddCommand(file, QStringLiteral("InsertFile1"), QStringLiteral("Insert &File..."),
             [&pages] { pages.InsertFile1Click(); });
  AddCommand(file, QStringLiteral("Print1"), QStringLiteral("&Print..."),
             [this] { Previews->Printing().Print1Click(); });
  AddCommand(file, QStringLiteral("PrinterSetup1"), QStringLiteral("P&rinter Setup..."),
             [this] { Previews->Printing().PrinterSetup1Click(); });
  file->addSeparator();
  AddCommand(file, QStringLiteral("Exit1"), QStringLiteral("E&xit"), [this] { Exit1Click(); });
  file->addSeparator();
  for (int n = 1; n <= 4; ++n)
    AddCommand(file, QStringLiteral("Last%1").arg(n), QStringLiteral("&%1").arg(n), [&pages, n] {
      pages.LastFileClick(n);
    })->setVisible(false);
  connect(file, &QMenu::aboutToShow, this, [this] {
    const bool open = Documents->PageOpen();
    for (const char* name :
         {"Save1", "SaveAs1", "ClosePage", "CloseAll", "Print1", "PrinterSetup1"})
      Command(QString::fromLatin1(name))->setEnabled(open);
  });

  addMenu(QStringLiteral("Projects1"), QStringLiteral("P&rojects"));
  QMenu* edit = addMenu(QStringLiteral("Edit"), QStringLiteral("&Edit"));
  auto focused = [this] { return SpareEditor->hasFocus() ? SpareEditor : WebPage; };
  AddCommand(edit, QStringLiteral("Undo1"), QStringLiteral("&Undo"),
             [focused] { focused()->undo(); });
  AddCommand(edit, QStringLiteral("Redo1"), QStringLiteral("&Redo"),
             [focused] { focused()->redo(); });
  edit->addSeparator();
  AddCommand(edit, QStringLiteral("Cut1"), QStringLiteral("Cu&t"), [this, focused] {
    focused()->cut();
    CheckClipboard();
  });
  AddCommand(edit, QStringLiteral("Copy1"), QStringLiteral("&Copy"), [this, focused] {
    focused()->copy();
    CheckClipboard();
  });
  AddCommand(edit, QStringLiteral("Paste1"), QStringLiteral("&Paste"),
             [focused] { focused()->paste(); });
  AddCommand(edit, QStringLiteral("SelectAll1"), QStringLiteral("Select &All"), [focused] {
    focused()->selectAll();
    focused()->setFocus();
  });
  connect(edit, &QMenu::aboutToShow, this, [this, edit, focused] {
    const bool open = Documents->PageOpen();
    for (QAction* item : edit->actions()) item->setEnabled(open);
    if (!open) return;
    const bool selected = focused()->hasSelectedText();
    Command(QStringLiteral("Cut1"))->setEnabled(selected);
    Command(QStringLiteral("Copy1"))->setEnabled(selected);
    Command(QStringLiteral("Paste1"))->setEnabled(!QApplication::clipboard()->text().isEmpty());
  });
  QMenu* search = addMenu(QStringLiteral("Search1"), QStringLiteral("&Search"));
  AddCommand(search, QStringLiteral("SearchSource"), QStringLiteral("Search Source"),
             [this] { Previews->SearchSourceClick(); });
  QMenu* page = addMenu(QStringLiteral("Page1"), QStringLiteral("&Page"));
  AddCommand(
      page, QStringLiteral("RefreshHTML1"), QStringLiteral("&Refresh HTML"),
      [this] { Previews->UpdateWebView(); }, QKeySequence(Qt::Key_F5));
  AddCommand(page, QStringLiteral("ViewPageinBrowser1"), QStringLiteral("&Browser 1 Unselected"),
             [this] { Previews->Browsers().ViewPageinBrowser1Click(); });
  AddCommand(page, QStringLiteral("ViewPageinBrowser21"), QStringLiteral("Bro&wser 2 Unselected"),
             [this] { Previews->Browsers().ViewPageinBrowser21Click(); });
  addMenu(QStringLiteral("InsertMenu"), QStringLiteral("&Insert"));
  addMenu(QStringLiteral("HTMLCodes"), QStringLiteral("&HTML Codes"));

  QMenu* options = addMenu(QStringLiteral("ScreenOptions1"), QStringLiteral("&Options"));
  QAction* hints = AddCommand(options, QStringLiteral("ShowHints1"), QStringLiteral("&Show Hints"),
                              [this] { ShowHints1Click(); });
  hints->setCheckable(true);
  hints->setChecked(true);
  AddCommand(options, QStringLiteral("Viewinlineimages1"), QStringLiteral("&View inline images"),
             [this] { Viewinlineimages1Click(); })
      ->setCheckable(true);
  AddCommand(options, QStringLiteral("ToggleScratchPad"),
             QStringLiteral("Toggle Internal Clipboard"), [this] { ToggleScratchPadClick(); })
      ->setCheckable(true);
  QAction* projects =
      AddCommand(options, QStringLiteral("DisplayProjects"), QStringLiteral("Di&splay Projects"),
                 [this] { DisplayProjectsClick(); });
  projects->setCheckable(true);
  projects->setChecked(true);
  connect(options, &QMenu::aboutToShow, this, [this] {
    Command(QStringLiteral("Viewinlineimages1"))->setEnabled(Documents->PageOpen());
  });

  bar->addAction(AddCommand(
      nullptr, QStringLiteral("View1"), QStringLiteral("&View Full Screen!"),
      [this] { Previews->View1Click(); }, QKeySequence(Qt::Key_F6)));

  HistoryMenuItem = addMenu(QStringLiteral("HistoryMenuItem"), QStringLiteral("His&tory"));
  for (int i = 0; i < 10; ++i) {
    QAction* item = HistoryMenuItem->addAction(QString());
    item->setObjectName(QStringLiteral("HistoryItem%1").arg(i));
    item->setData(i);
    item->setVisible(false);
  }
  HistoryMenuItem->menuAction()->setVisible(false);

  QMenu* help = addMenu(QStringLiteral("Help1"), QStringLiteral("&Help"));
  AddCommand(help, QStringLiteral("ShowTipsonStartup1"), QStringLiteral("Show Tips..."),
             [this] { ShowTipWindow(); });
  AddCommand(help, QStringLiteral("About1"), QStringLiteral("&About..."), [this] {
    TAboutBox about(this);
    Ask().RunModal(about);
  });
  TagMenus(*this, *TagService).Build();
}

void TForm1::AddToolButton(const QString& hint, const QString& glyph, QAction* action) {
  auto* button = new QToolButton(ToolsPanel);
  button->setText(glyph);
  button->setToolTip(hint);
  button->setStatusTip(hint);
  button->setAccessibleName(hint);
  button->setAutoRaise(true);
  connect(button, &QToolButton::clicked, action, &QAction::trigger);
  ToolButtons.insert(hint, button);
  static_cast<QHBoxLayout*>(ToolsPanel->layout()->itemAt(0)->layout())->addWidget(button);
}

void TForm1::AddToolButton(const QString& hint, const QString& glyph,
                           const std::function<void()>& handler) {
  auto* action = new QAction(hint, this);
  connect(action, &QAction::triggered, this, [handler] { handler(); });
  AddToolButton(hint, glyph, action);
}

void TForm1::BuildToolsPanel() {
  auto* rows = new QVBoxLayout(ToolsPanel);
  rows->setContentsMargins(2, 2, 2, 2);
  rows->setSpacing(0);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(1);
  rows->addLayout(buttons);

  AddToolButton(QStringLiteral("Open page"), QStringLiteral("Open"),
                Command(QStringLiteral("OpenWeb1")));
  AddToolButton(QStringLiteral("Close page"), QStringLiteral("Close"),
                Command(QStringLiteral("ClosePage")));
  AddToolButton(QStringLiteral("Save page"), QStringLiteral("Save"),
                Command(QStringLiteral("Save1")));
  // The Save button is enabled exactly when "&Save" is.
  connect(Command(QStringLiteral("Save1")), &QAction::enabledChanged,
          ToolButton(QStringLiteral("Save page")), &QToolButton::setEnabled);
  AddToolButton(QStringLiteral("View HTML document in full screen"), QStringLiteral("Full"),
                Command(QStringLiteral("View1")));
  AddToolButton(QStringLiteral("Print"), QStringLiteral("Print"),
                Command(QStringLiteral("Print1")));
  AddToolButton(QStringLiteral("Refresh HTML Viewer"), QStringLiteral("Refresh"),
                [this] { Previews->UpdateWebView(); });
  AddToolButton(QStringLiteral("Toggle split screen style"), QStringLiteral("Split"),
                [this] { Previews->SpeedButton31Click(); });
  AddToolButton(QStringLiteral("New page"), QStringLiteral("New"), Command(QStringLiteral("New1")));
  AddToolButton(QStringLiteral("Move viewer back one page"), QStringLiteral("Back"),
                [this] { Previews->FwdBackClick(true); });
  AddToolButton(QStringLiteral("Move viewer forward one page"), QStringLiteral("Fwd"),
                [this] { Previews->FwdBackClick(false); });
  AddToolButton(QStringLiteral("Launch external browser #1"), QStringLiteral("Browser"),
                [this] { Previews->Browsers().ViewPageinBrowser1Click(); });
  AddToolButton(QStringLiteral("Display/Hide project structure"), QStringLiteral("Projects"),
                Command(QStringLiteral("DisplayProjects")));
  AddToolButton(QStringLiteral("Cut to clipboard"), QStringLiteral("Cut"),
                Command(QStringLiteral("Cut1")));
  AddToolButton(QStringLiteral("Paste to clipboard"), QStringLiteral("Paste"),
                Command(QStringLiteral("Paste1")));
  AddToolButton(QStringLiteral("Copy to clipboard"), QStringLiteral("Copy"),
                Command(QStringLiteral("Copy1")));
  buttons->addStretch(1);

  EWSPanel = new QWidget(ToolsPanel);
  EWSPanel->setObjectName(QStringLiteral("EWSPanel"));
  auto* lights = new QHBoxLayout(EWSPanel);
  lights->setContentsMargins(0, 0, 0, 0);
  for (const char* light : {"TAG", "BODY"}) {
    auto* label = new QLabel(QString::fromLatin1(light), EWSPanel);
    label->setObjectName(QString::fromLatin1(light));
    lights->addWidget(label);
  }
  buttons->addWidget(EWSPanel);

  PowerBook = new QTabWidget(ToolsPanel);
  PowerBook->setObjectName(QStringLiteral("PowerBook"));
  PowerBook->setDocumentMode(true);
  for (const char* caption : PaletteTabs) PowerBook->addTab(new QWidget(PowerBook), caption);
  ImageList = new QComboBox(PowerBook->widget(5));
  ImageList->setObjectName(QStringLiteral("ImageList"));
  ImageList->setEditable(true);
  ImageList->setInsertPolicy(QComboBox::InsertAlphabetically);
  ImageList->setMinimumContentsLength(16);
  ImageList->setToolTip(QStringLiteral("Select an image from the current directory"));
  ImageList->setAccessibleName(ImageList->toolTip());
  (new QHBoxLayout(PowerBook->widget(5)))->addWidget(ImageList, 0, Qt::AlignLeft);
  rows->addWidget(PowerBook, 1);
  TagPalette(*this, *TagService)
      .Build(PowerBook->widget(0), PowerBook->widget(2), PowerBook->widget(3),
             PowerBook->widget(9));
  ToolsPanel->setFixedHeight(std::max(68, ToolsPanel->sizeHint().height()));
}

QToolButton* TForm1::ToolButton(const QString& hint) const { return ToolButtons.value(hint); }

void TForm1::RegisterCommand(QAction* action) { Commands.insert(action->objectName(), action); }

// ---------------------------------------------------------------- start-up

bool TForm1::Watch(const QString& name, const std::function<void()>& steps, bool rethrow) {
  try {
    steps();
    return true;
  } catch (const std::exception& failure) {
    Ask().Warn(QStringLiteral("Exception occured during ") + name + QLatin1Char('!'));
    if (rethrow) throw;
    Ask().Fail(QString::fromStdString(failure.what()));
  }
  return false;
}

void TForm1::FormCreate() {
  const WaitCursor wait;
  Watch(QStringLiteral("FormCreate"), [this] {
    if (!QDir::setCurrent(ProgramDirectory))
      Ask().Fail(
          QStringLiteral("Could not change the working directory to %1.").arg(ProgramDirectory));
    if (!Store.LoadError().isEmpty())
      Ask().Warn(Store.LoadError() +
                 QStringLiteral(" Quorvane starts with its default settings and writes the file "
                                "anew when it closes."));
    ReadIni();
  });
  // The project tree is filled whatever happened above.
  Tree->LoadProjects();
}

void TForm1::ReadIni() {
  Watch(
      QStringLiteral("ReadINI"),
      [this] {
        ReadAppSettings(Store, Settings);
        if (Settings.FileTabs == FileListCaption) FileTabs->setCurrentWidget(FileList);
        ApplySettings();
      },
      true);
}

void TForm1::ApplySettings() {
  const AppSettings& s = Settings;
  if (!s.ShowProjectPanel) Command(QStringLiteral("DisplayProjects"))->trigger();
  if (!s.SyntaxBGColor.isEmpty()) SyntaxColors.Background = ColorSetting(s.SyntaxBGColor);
  if (!s.SyntaxFGColor.isEmpty()) SyntaxColors.Text = ColorSetting(s.SyntaxFGColor);
  WebPage->SetTagColors(SyntaxColors.Text, SyntaxColors.Background);
  SpareEditor->SetTagColors(SyntaxColors.Text, SyntaxColors.Background);
  WebPage->SetSelectionColors(s.HighlightBGColor.isEmpty() ? WebPage->SelectionBackground()
                                                           : ColorSetting(s.HighlightBGColor),
                              s.HighlightFGColor.isEmpty() ? WebPage->SelectionForeground()
                                                           : ColorSetting(s.HighlightFGColor));
  if (s.SplitPosition > 0) SplitScreen->SetBar(1, s.SplitPosition);
  SplitScreen->setOrientation(s.SplitDirection == 0 ? Qt::Vertical : Qt::Horizontal);
  for (int n = 0; n < 4; ++n) {
    PowerBook->setTabVisible(FirstCustomTab + n, s.ShowCustom[size_t(n)]);
    if (!s.CustomCaption[size_t(n)].isEmpty())
      PowerBook->setTabText(FirstCustomTab + n, s.CustomCaption[size_t(n)]);
  }
  if (s.Width > 0) {
    if (s.Maximized)
      setWindowState(windowState() | Qt::WindowMaximized);
    else
      setGeometry(s.Left, s.Top, s.Width, s.Height);
  }
  if (s.TabSize > 0) WebPage->setTabWidth(s.TabSize);
  if (!s.ShowHints) Command(QStringLiteral("ShowHints1"))->trigger();
  if (s.DefaultsWordwrap) {
    for (EditorSurface* editor : {WebPage, SpareEditor}) {
      editor->setWrapMode(QsciScintilla::WrapWord);
      editor->SendScintilla(QsciScintilla::SCI_SETHSCROLLBAR, 0);
    }
  }
  if (s.ShowImages) Command(QStringLiteral("Viewinlineimages1"))->trigger();

  QFont font = WebPage->EditorFont();
  if (!s.FontName.isEmpty()) font.setFamily(s.FontName);
  if (!s.FontSize.isEmpty()) font.setPointSize(IntegerFromText(s.FontSize));
  WebPage->SetEditorFont(font);
  if (!s.FontColor.isEmpty()) WebPage->SetTextColor(ColorSetting(s.FontColor));
  if (!s.BackgroundColor.isEmpty()) WebPage->SetBackgroundColor(ColorSetting(s.BackgroundColor));
  const int previewSize = s.HTMLFontSize.isEmpty() ? 0 : IntegerFromText(s.HTMLFontSize);
  for (HtmlViewer* viewer : {HTMLSplit, HTMLFull, HTMLFrames}) {
    viewer->SetDefaultFont(s.HTMLFontName, previewSize);
    if (!s.HTMLBackgroundColor.isEmpty())
      viewer->page()->setBackgroundColor(ColorSetting(s.HTMLBackgroundColor));
    if (!s.HTMLFontColor.isEmpty()) viewer->SetDefaultColors(ColorSetting(s.HTMLFontColor), {});
  }
  EWSPanel->setVisible(s.UseEWS);
  QPalette tree = Outline1->palette();
  tree.setColor(QPalette::Base, WebPage->BackgroundColor());
  Outline1->setPalette(tree);
  Outline1->setFont(font);
  Documents->SetLastFilesMenu();
}

void TForm1::Start() {
  show();
  FormShow();
  FormActivate();
}

void TForm1::FormShow() {
  if (Shown) return;
  Shown = true;
  Watch(QStringLiteral("FormShow"), [this] {
    if (Settings.Width == 0)
      resize(std::max(width(), PowerBook->tabBar()->sizeHint().width() + 10), height());
    StatusPanels[1]->setText(QStringLiteral("Insert"));
    TakeSettingsFromControls();
    WebPage->SetModified(false);
    Scratch->LoadSpareEditorContents();
    CheckClipboard();
    if (Settings.AutoLoad && QFileInfo::exists(Settings.LastFiles[0]))
      Documents->LoadFile(Settings.LastFiles[0], false);
  });
  update();
  FileList->SetFilter(BuildFileFilter());
  FileList->SetDirectory(Documents->CurrentDir());
}

void TForm1::TakeSettingsFromControls() {
  AppSettings& s = Settings;
  s.TabSize = WebPage->tabWidth();
  s.AutoIndent = WebPage->autoIndent();
  s.BackgroundColor = NumberText(WebPage->BackgroundColor());
  s.FontName = WebPage->EditorFont().family();
  s.FontSize = QString::number(WebPage->EditorFont().pointSize());
  s.FontColor = NumberText(WebPage->TextColor());
  s.DialogStyle = 1;  // the spelling dialog starts in its WordPerfect style
  const QWebEngineSettings* preview = HTMLSplit->settings();
  s.HTMLFontName = preview->fontFamily(QWebEngineSettings::StandardFont);
  s.HTMLFontSize = QString::number(preview->fontSize(QWebEngineSettings::DefaultFontSize));
  s.HTMLFontColor = NumberText(HTMLSplit->DefaultTextColor());
  s.HTMLBackgroundColor = NumberText(HTMLSplit->page()->backgroundColor());
  s.SyntaxBGColor = NumberText(SyntaxColors.Background);
  s.SyntaxFGColor = NumberText(SyntaxColors.Text);
  s.HighlightBGColor = NumberText(WebPage->SelectionBackground());
  s.HighlightFGColor = NumberText(WebPage->SelectionForeground());
}

void TForm1::FormActivate() {
  if (Activated) return;
  Activated = true;
  Watch(QStringLiteral("FormActivate"), [this] {
    if (Settings.ShowTipOfTheDay && !WebPage->isEnabled()) ShowTipWindow();
  });
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && Shown) FormActivate();
  QMainWindow::changeEvent(event);
}

QString TForm1::BuildFileFilter() const {
  return ::BuildFileFilter(Settings.Extension, Settings.GraphicExtension);
}

QString TForm1::TipsPath() const { return ProgramDirectory + QStringLiteral("TIPS.TXT"); }

bool TForm1::ShowHelperNote(int n, const QString& title, bool flag) {
  return ::ShowHelperNote(Ask(), TipsPath(), n, title, flag);
}

void TForm1::ShowTipWindow() {
  ::ShowTipWindow(Ask(), TipsPath(), Settings.TipNumber, Settings.ShowTipOfTheDay);
}

// ---------------------------------------------------------------- shutdown

void TForm1::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

bool TForm1::FormCloseQuery() { return Documents->CloseAllPages() == 0; }

void TForm1::FormClose() {
  Watch(QStringLiteral("FormClose"), [this] {
    Tree->SaveProjects();
    Scratch->SaveSpareEditorContents();
    SaveIni();
  });
}

void TForm1::SaveIni() {
  const QRect bounds = isMaximized() ? normalGeometry() : geometry();
  Settings.Top = bounds.top();
  Settings.Left = bounds.left();
  Settings.Width = bounds.width();
  Settings.Height = bounds.height();
  Settings.SplitPosition = SplitScreen->Bar(1);
  Settings.Maximized = isMaximized();
  Settings.FileTabs = FileTabs->tabText(FileTabs->currentIndex());
  Settings.ShowProjectPanel = Command(QStringLiteral("DisplayProjects"))->isChecked();
  for (int n = 0; n < 4; ++n)
    Settings.CustomCaption[size_t(n)] = PowerBook->tabText(FirstCustomTab + n);
  {
    const SettingsStore::Batch batch(Store);
    WriteAppSettings(Store, Settings);
  }
  if (!Store.WriteError().isEmpty())
    Ask().Fail(QStringLiteral("Your settings could not be saved. ") + Store.WriteError());
}

void TForm1::Exit1Click() { close(); }

// ---------------------------------------------------------------- running

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      if (!ShowHints) return true;
      break;
    case QEvent::StatusTip:
      ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
      return true;
    case QEvent::MouseButtonRelease:
      if (watched == WebPageTabs) Documents->WebPageTabsMouseUp();
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::ShowHint(const QString& text) { StatusPanels[2]->setText(text); }

void TForm1::SetFormCaption(const QString& path) {
  setWindowTitle(QStringLiteral("Quorvane - ") + path.toUpper());
}

void TForm1::SetPageControlsEnabled(bool open) {
  WebPage->setEnabled(open);
  PowerBook->setEnabled(open);
  PowerBook->setVisible(open);
  for (const char* hint : {"Paste to clipboard", "Close page", "Refresh HTML Viewer", "Print",
                           "View HTML document in full screen"})
    ToolButton(QString::fromLatin1(hint))->setEnabled(open);
  ToolButton(QStringLiteral("Launch external browser #1"))
      ->setEnabled(open && !Settings.Browser1.isEmpty());
  Command(QStringLiteral("View1"))->setVisible(open);
  if (!open) {
    for (const char* hint : {"Copy to clipboard", "Cut to clipboard", "Save page"})
      ToolButton(QString::fromLatin1(hint))->setEnabled(false);
    Command(QStringLiteral("Save1"))->setEnabled(false);
  }
}

void TForm1::WebPageChange() {
  if (WebPage->Modified()) Command(QStringLiteral("Save1"))->setEnabled(true);
  if (Settings.AutoUpdate) Previews->UpdateWebView();
  if (WebPage->isEnabled()) {
    UpdateCopyButtons();
    CheckClipboard();
  }
}

void TForm1::UpdateCopyButtons() {
  if (!WebPage->isEnabled()) return;
  const EditorSurface* focused = SpareEditor->hasFocus() ? SpareEditor : WebPage;
  const bool selected = focused->hasSelectedText();
  ToolButton(QStringLiteral("Copy to clipboard"))->setEnabled(selected);
  ToolButton(QStringLiteral("Cut to clipboard"))->setEnabled(selected);
}

void TForm1::WebPageChangeMode(bool insertMode) {
  StatusPanels[1]->setText(insertMode ? QStringLiteral("Insert") : QStringLiteral("Overwrite"));
}

void TForm1::GetLocation() {
  const EditorSurface::SelectionPoints points = WebPage->GetSelectionPoints();
  StatusPanels[0]->setText(QStringLiteral("%1:%2").arg(points.EndLine).arg(points.EndCol));
}

void TForm1::CheckClipboard() {
  Watch(QStringLiteral("CheckClipboard"), [this] {
    if (Documents->PageOpen())
      ToolButton(QStringLiteral("Paste to clipboard"))
          ->setEnabled(!QApplication::clipboard()->text().isEmpty());
  });
}

void TForm1::ShowHints1Click() {
  ShowHints = Command(QStringLiteral("ShowHints1"))->isChecked();
  Settings.ShowHints = ShowHints;
}

void TForm1::DisplayProjectsClick() {
  MainSplitter->SetBar(1, Command(QStringLiteral("DisplayProjects"))->isChecked() ? 25 : 0);
}

void TForm1::Viewinlineimages1Click() {
  if (Documents->PageOpen())
    Settings.ImageDisplaying =
        ShowHelperNote(5, QStringLiteral("Toggling Image View"), Settings.ImageDisplaying);
  // The two previews and the mark always agree.
  const bool on = Command(QStringLiteral("Viewinlineimages1"))->isChecked();
  HTMLFull->SetImagesEnabled(on);
  HTMLSplit->SetImagesEnabled(on);
  Settings.ShowImages = on;
}

void TForm1::ToggleScratchPadClick() {
  Settings.InternalClipboard =
      ShowHelperNote(8, QStringLiteral("Internal Clipboard Contents"), Settings.InternalClipboard);
  MainSplitter->SetBar(2, Command(QStringLiteral("ToggleScratchPad"))->isChecked() ? 75 : 100);
}
