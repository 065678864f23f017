#pragma once

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "core/app_settings.h"
#include "platform/settings_store.h"

class EditorSurface;
class FileBrowser;
class HtmlViewer;
class PageDocuments;
class Preview;
class ProjectCommands;
class ProjectTree;
class Prompts;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTabBar;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class ScratchPad;
class SourceContext;
class TEvaluateForm;
class TagInsertion;
class ThreeWaySplitter;

// Where the main window runs: the program directory (ending in "/") and who answers
// the user's questions.
struct ShellEnvironment {
  QString ProgramDir;
  Prompts* Ask = nullptr;
};

// The main window: owns the widgets and composes one small service per concern.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(const ShellEnvironment& environment);
  ~TForm1() override;

  // The single instance other windows reach the main window through.
  static TForm1* Instance() { return Self; }

  // Shows the window for the first time (FormShow), then its first activation.
  void Start();

  Prompts& Ask() const { return *Questions; }
  const QString& ProgramDir() const { return ProgramDirectory; }
  AppSettings Settings;
  PageDocuments& Pages() const { return *Documents; }
  Preview& Previewer() const { return *Previews; }
  ScratchPad& InternalClipboard() const { return *Scratch; }
  TagInsertion& Tags() const { return *TagService; }
  SourceContext& Context() const { return *ContextService; }
  ProjectTree& Projects() const { return *Tree; }
  ProjectCommands& ProjectActions() const { return *ProjectService; }
  TEvaluateForm& EvaluateForm() const { return *Evaluation; }

  // Start-up and shutdown.
  void ReadIni();
  void SaveIni();
  QString BuildFileFilter() const;
  bool ShowHelperNote(int n, const QString& title, bool flag);
  void ShowTipWindow();
  QString TipsPath() const;

  // Widgets the services work on, named as the program names them.
  QWidget* ToolsPanel = nullptr;
  QWidget* EWSPanel = nullptr;
  QTabWidget* PowerBook = nullptr;
  ThreeWaySplitter* MainSplitter = nullptr;
  QTabWidget* FileTabs = nullptr;
  QTreeWidget* Outline1 = nullptr;
  FileBrowser* FileList = nullptr;
  ThreeWaySplitter* SplitScreen = nullptr;
  QTabBar* WebPageTabs = nullptr;
  EditorSurface* WebPage = nullptr;
  EditorSurface* SpareEditor = nullptr;
  HtmlViewer* HTMLSplit = nullptr;
  HtmlViewer* HTMLFrames = nullptr;
  HtmlViewer* HTMLFull = nullptr;
  QLabel* StatusPanels[3] = {};
  QMenu* HistoryMenuItem = nullptr;
  QComboBox* ImageList = nullptr;  // the Images tab's image box
  QMenu* WebPagePopup = nullptr;

  // Commands and tool buttons, found by the program's names for them.
  QAction* Command(const QString& name) const { return Commands.value(name); }
  // Commands that a service builds itself, found by their objectName like the others.
  void RegisterCommand(QAction* action);
  QToolButton* ToolButton(const QString& hint) const;

  // Tag colours answered to the editor's colouring.
  struct {
    QColor Text = QColor(0, 0, 255);
    QColor Background = QColor(255, 255, 255);
  } SyntaxColors;

  // Enables what needs an open page, or disables it when none is left.
  void SetPageControlsEnabled(bool open);
  void SetFormCaption(const QString& path);
  void ShowHint(const QString& text);  // status-bar panel 2
  void GetLocation();
  void CheckClipboard();

  // Runs `steps`; when they do not reach their end, warns "Exception occured during
  // <name>!" and reports the failure's own message. Returns whether they completed.
  bool Watch(const QString& name, const std::function<void()>& steps, bool rethrow = false);

  // Command handlers.
  void Exit1Click();
  void ShowHints1Click();
  void ShowTipsonStartup1Click();
  void DisplayProjectsClick();
  void Viewinlineimages1Click();
  void ToggleScratchPadClick();
  void WebPageChange();
  void WebPageChangeMode(bool insertMode);
  void UpdateCopyButtons();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  void ApplySettings();
  void TakeSettingsFromControls();

  void BuildWidgets();
  void BuildToolsPanel();
  void BuildMenus();
  QAction* AddCommand(QMenu* menu, const QString& name, const QString& caption,
                      const std::function<void()>& handler, const QKeySequence& shortcut = {});
  void AddToolButton(const QString& hint, const QString& glyph, QAction* action);
  void AddToolButton(const QString& hint, const QString& glyph,
                     const std::function<void()>& handler);

  static TForm1* Self;
  QString ProgramDirectory;
  Prompts* Questions;
  SettingsStore Store;
  bool ShowHints = true;
  bool Activated = false;
  bool Shown = false;
  QHash<QString, QAction*> Commands;
  QHash<QString, QToolButton*> ToolButtons;
  std::unique_ptr<PageDocuments> Documents;
  std::unique_ptr<Preview> Previews;
  std::unique_ptr<ScratchPad> Scratch;
  std::unique_ptr<TagInsertion> TagService;
  std::unique_ptr<SourceContext> ContextService;
  std::unique_ptr<ProjectTree> Tree;
  ProjectCommands* ProjectService = nullptr;
  TEvaluateForm* Evaluation = nullptr;
};
