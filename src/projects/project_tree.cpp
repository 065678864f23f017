#include "projects/project_tree.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTreeWidget>

#include "platform/atomic_file.h"
#include "platform/editor_surface.h"
#include "platform/ini_file.h"
#include "platform/prompts.h"
#include "shell/page_documents.h"
#include "shell/tform1.h"
#include "shell/wait_cursor.h"

namespace {

const QString SettingsFileName = QStringLiteral("PROJECT.INI");
const QString DefaultSendCaption = QStringLiteral("Send to website...");

// Items that CheckPageMenu switches, main menu and pop-up alike.
const char* const PageMenuItems[] = {"ViewPage1",
                                     "AddPage",
                                     "AddPage1",
                                     "ImportPage",
                                     "Importpage1",
                                     "DeletePage",
                                     "DeletePage1",
                                     "CopyMovePage",
                                     "CopyMovePage1",
                                     "ChangeDescription",
                                     "ChangeDescription1",
                                     "RenameFile",
                                     "RenamePage1",
                                     "Removefromproject",
                                     "Removefilefromproject1",
                                     "QuikFTPSend",
                                     "FTPSend",
                                     "EditProject",
                                     "DeleteProject",
                                     "DeleteProject1",
                                     "FindProjectOrphans",
                                     "FindOrphans"};

// A caption shows "&" only when it is doubled.
QString CaptionText(const QString& text) {
  return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

ProjectTree::ProjectTree(TForm1& form) : Form(form) {
  QTreeWidget* outline = Form.Outline1;
  const QString hint = QStringLiteral("Double click to open page or right click for popup menu");
  outline->setToolTip(hint);
  outline->setStatusTip(hint);
  outline->setAccessibleName(QStringLiteral("Projects"));
  outline->setContextMenuPolicy(Qt::CustomContextMenu);
  outline->setDragEnabled(false);
  // Entries are shown whole, with a scroll bar when the pane is narrow.
  outline->setTextElideMode(Qt::ElideNone);
  outline->header()->setStretchLastSection(false);
  outline->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  outline->installEventFilter(this);
  connect(outline, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    if (Showing || !current) return;
    Tree.SetSelected(ItemNumber(current));
  });
  auto expand = [this](QTreeWidgetItem* item, bool expanded) {
    if (Showing) return;
    const int before = Tree.Selected();
    Tree.SetExpanded(ItemNumber(item), expanded);
    if (Tree.Selected() != before) ShowTree();  // the selection left the collapsed branch
  };
  connect(outline, &QTreeWidget::itemExpanded, this,
          [expand](QTreeWidgetItem* item) { expand(item, true); });
  connect(outline, &QTreeWidget::itemCollapsed, this,
          [expand](QTreeWidgetItem* item) { expand(item, false); });
  connect(outline, &QTreeWidget::itemDoubleClicked, this, [this] { Outline1DblClick(); });
  connect(outline, &QWidget::customContextMenuRequested, this,
          [this, outline](const QPoint& at) { ShowPopup(outline->viewport()->mapToGlobal(at)); });
  BuildMenus();
}

void ProjectTree::BuildMenus() {
  auto add = [this](QMenu* menu, const char* name, const char* caption,
                    const QKeySequence& shortcut = {}) {
    auto* action = new QAction(QString::fromLatin1(caption), &Form);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
      action->setShortcut(shortcut);
      // The page editor would take the key for a command of its own (Ctrl+D duplicates
      // the line): the menu's command comes first.
      const int key = shortcut[0].toCombined();
      if (QsciCommand* editorCommand = Form.WebPage->standardCommands()->boundTo(key)) {
        if (editorCommand->key() == key) editorCommand->setKey(0);
        if (editorCommand->alternateKey() == key) editorCommand->setAlternateKey(0);
      }
    }
    menu->addAction(action);
    Form.RegisterCommand(action);
    return action;
  };

  QMenu* projects = Form.findChild<QMenu*>(QStringLiteral("Projects1"));
  add(projects, "NewProject", "&New Project...");
  add(projects, "EditProject", "&Edit Project Description...");
  add(projects, "DeleteProject", "&Delete Project...");
  projects->addSeparator();
  QMenu* pages = projects->addMenu(QStringLiteral("&Pages"));
  pages->setObjectName(QStringLiteral("Pages"));
  pages->menuAction()->setObjectName(QStringLiteral("Pages"));
  Form.RegisterCommand(pages->menuAction());
  add(pages, "AddPage", "&New page...", QKeySequence(Qt::CTRL | Qt::Key_N));
  add(pages, "ImportPage", "&Import Page...");
  add(pages, "DeletePage", "Remove && &Delete Page...");
  add(pages, "CopyMovePage", "&Copy/Move page...");
  add(pages, "ChangeDescription", "&Edit Page Description...", QKeySequence(Qt::CTRL | Qt::Key_D));
  add(pages, "RenameFile", "&Rename File...", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
  add(pages, "Removefromproject", "Remove file from project...");
  projects->addSeparator();
  add(projects, "QuikFTPSend", "Send to website...");
  add(projects, "FindProjectOrphans", "Find Project Orphans...");
  connect(projects, &QMenu::aboutToShow, this, [this] {
    CheckProjectMenu();
    CheckPageMenu();
  });
  connect(pages, &QMenu::aboutToShow, this, [this] { CheckPageMenu(); });

  ProjectPopup = new QMenu(Form.Outline1);
  ProjectPopup->setObjectName(QStringLiteral("ProjectPopup"));
  add(ProjectPopup, "ViewPage1", "View Page");
  ProjectPopup->addSeparator();
  add(ProjectPopup, "AddProject1", "New Project...");
  add(ProjectPopup, "AddPage1", "New Page...");
  add(ProjectPopup, "Importpage1", "Import page...");
  ProjectPopup->addSeparator();
  add(ProjectPopup, "DeletePage1", "Remove && Delete Page...");
  add(ProjectPopup, "CopyMovePage1", "Copy/Move Page...");
  add(ProjectPopup, "ChangeDescription1", "Change Description...");
  add(ProjectPopup, "RenamePage1", "Rename Page...");
  add(ProjectPopup, "Removefilefromproject1", "Remove file from project...");
  ProjectPopup->addSeparator();
  add(ProjectPopup, "FTPSend", "Send to site...");
  add(ProjectPopup, "DeleteProject1", "Delete Project...");
  add(ProjectPopup, "FindOrphans", "Find Project Orphans...");
}

// ---------------------------------------------------------------- the tree and its file

void ProjectTree::Change(const std::function<void(ProjectTreeModel&)>& edit) {
  edit(Tree);
  ShowTree();
}

void ProjectTree::Select(int n) {
  Tree.SetSelected(n);
  ShowTree();
}

int ProjectTree::ItemNumber(const QTreeWidgetItem* item) const {
  return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void ProjectTree::ShowTree() {
  QTreeWidget* outline = Form.Outline1;
  Showing = true;
  const int scrolled = outline->verticalScrollBar()->value();
  outline->clear();
  std::vector<QTreeWidgetItem*> shown(size_t(Tree.ItemCount()) + 1, nullptr);
  for (int n = 1; n <= Tree.ItemCount(); ++n) {
    const int parent = Tree.Parent(n);
    auto* item = parent ? new QTreeWidgetItem(shown[size_t(parent)]) : new QTreeWidgetItem(outline);
    item->setText(0, Tree.Text(n));
    item->setData(0, Qt::UserRole, n);
    shown[size_t(n)] = item;
  }
  for (int n = 1; n <= Tree.ItemCount(); ++n)
    if (Tree.HasChildren(n)) shown[size_t(n)]->setExpanded(Tree.IsExpanded(n));
  if (Tree.Selected()) outline->setCurrentItem(shown[size_t(Tree.Selected())]);
  outline->verticalScrollBar()->setValue(scrolled);
  Showing = false;
}

QString ProjectTree::ProjectDatPath() const {
  return Form.ProgramDir() + QStringLiteral("project.dat");
}

void ProjectTree::LoadProjects() {
  const QString path = ProjectDatPath();
  if (!QFileInfo::exists(path)) {
    Tree = ProjectTreeModel::DefaultContent();
    FileEncoding = PageEncoding::Windows1252;
    ShowTree();
    return;
  }
  QByteArray bytes;
  QString error;
  if (!ReadWholeFile(path, &bytes, &error)) {
    Tree = ProjectTreeModel();
    ShowTree();
    Form.Ask().Fail(error);
    return;
  }
  ProjectTreeModel::LoadResult loaded = ProjectTreeModel::Read(bytes);
  Tree = std::move(loaded.Tree);
  FileEncoding = loaded.Encoding;
  ShowTree();
  if (loaded.BadLine == 0) return;
  // The file is written anew from the tree at shutdown, which would lose the entries
  // after the bad line: the whole file is kept beside it first.
  const QString backup = path + QStringLiteral(".bak");
  QFile::remove(backup);
  const bool kept = QFile::copy(path, backup);
  Form.Ask().Warn(
      QStringLiteral("Line %1 of %2 lies more than one level below the line before it, so the "
                     "project list stops before that line.")
          .arg(loaded.BadLine)
          .arg(QDir::toNativeSeparators(path)) +
      (kept ? QStringLiteral(" The whole file has been kept as %1.")
                  .arg(QDir::toNativeSeparators(backup))
            : QStringLiteral(" A copy of the whole file could not be kept; it will be "
                             "replaced when Quorvane closes.")));
}

bool ProjectTree::SaveProjects() {
  QString error;
  if (WriteFileAtomically(ProjectDatPath(), Tree.Write(FileEncoding), &error)) return true;
  Form.Ask().Fail(QStringLiteral("The project list could not be saved. ") + error);
  return false;
}

// ---------------------------------------------------------------- questions about the selection

QString ProjectTree::SelectedText() const {
  return Tree.IsEmpty() ? QString() : Tree.Text(Tree.Selected());
}

int ProjectTree::AddThePage(const QString& entry, int project) {
  const int added = Tree.AddThePage(entry, project);
  ShowTree();
  return added;
}

QString ProjectTree::GetProjectDirectory() const {
  if (Tree.IsEmpty()) return QString();
  const int selected = Tree.Selected();
  const int parent = Tree.Parent(selected);
  QString target = parent ? EntryTarget(Tree.Text(parent)) : QString();
  if (target.isEmpty()) target = EntryTarget(Tree.Text(selected));
  QString directory = QDir::isAbsolutePath(target) ? target : Form.ProgramDir() + target;
  while (directory.size() > 1 && directory.endsWith(QLatin1Char('/'))) directory.chop(1);
  return directory;
}

QString ProjectTree::GetSelectedFilename() const {
  if (Tree.IsEmpty()) return QString();
  return GetProjectDirectory() + QLatin1Char('/') + EntryTarget(SelectedText());
}

bool ProjectTree::IsFileNameOpen(const QString& path) const {
  return Form.Pages().IsFileNameOpen(path);
}

bool ProjectTree::IsSelectedFileOpen(bool showMessage) {
  if (Tree.IsEmpty() || !IsFileNameOpen(GetSelectedFilename())) return false;
  if (showMessage)
    Form.Ask().Inform(
        QStringLiteral("Selected operation may not be performed on an open file.  Please "
                       "close the file and try again."));
  return true;
}

bool ProjectTree::IsAProjectFileOpen() {
  const int project = Tree.Selected();
  if (Tree.IsEmpty() || Tree.Level(project) != ProjectTreeModel::ProjectLevel) return false;
  Tree.SetExpanded(project, true);
  bool open = false;
  for (int n = project + 1; !open && Tree.IsItem(n) && Tree.Level(n) > 1; ++n) {
    Tree.SetSelected(n);
    open = IsSelectedFileOpen(false);
  }
  Tree.SetSelected(project);
  ShowTree();
  return open;
}

void ProjectTree::LoadProjectpage() {
  const WaitCursor wait;
  if (Tree.IsEmpty() || Tree.Level(Tree.Selected()) == ProjectTreeModel::ProjectLevel) return;
  const QString path = GetSelectedFilename();
  // The settings entry opens the project dialog in modify mode.
  if (QFileInfo(path).fileName() == SettingsFileName) {
    if (OpenSettings) OpenSettings();
    return;
  }
  QTreeWidget* outline = Form.Outline1;
  outline->setEnabled(false);
  struct Enable {
    QTreeWidget* Outline;
    ~Enable() { Outline->setEnabled(true); }
  } enableAgain{outline};
  Form.Pages().LoadFile(path, true);
  Form.WebPage->setFocus();
}

void ProjectTree::DeleteChildren() {
  const int project = Tree.Selected();
  if (Tree.IsEmpty() || Tree.Level(project) != ProjectTreeModel::ProjectLevel) return;
  const QString directory = GetProjectDirectory();
  for (int child = Tree.FirstChild(project); child != 0; child = Tree.FirstChild(project)) {
    const QString path = directory + QLatin1Char('/') + EntryTarget(Tree.Text(child));
    if (QFile::remove(path)) {
      Tree.Delete(child);
      QFile::remove(WorkingCopyOf(path));
      continue;
    }
    const Prompts::Answer answer = Form.Ask().Message(
        Prompts::Kind::Warning,
        QStringLiteral("Error removing file ") + path +
            QStringLiteral(". Would you like to remove the project from the list anyway?"),
        Prompts::Buttons::YesNo);
    if (answer != Prompts::Answer::Yes) break;
    Tree.Delete(child);
  }
  ShowTree();
}

QString ProjectTree::GetSiteAddress() const {
  const IniFile settings(GetProjectDirectory() + QLatin1Char('/') + SettingsFileName);
  const QString project = QStringLiteral("PROJECT");
  return settings.ReadString(project, QStringLiteral("WebURL"), QString()) + QLatin1Char('/') +
         settings.ReadString(project, QStringLiteral("FTPDirectory"), QString());
}

// ---------------------------------------------------------------- menus

void ProjectTree::CheckProjectMenu() {
  for (const char* name : {"DeleteProject", "EditProject", "Pages"})
    Form.Command(QString::fromLatin1(name))->setEnabled(false);
  if (Tree.IsEmpty()) return;
  if (Tree.Level(Tree.Selected()) == ProjectTreeModel::ProjectLevel) {
    Form.Command(QStringLiteral("DeleteProject"))->setEnabled(true);
    Form.Command(QStringLiteral("EditProject"))->setEnabled(true);
  }
  Form.Command(QStringLiteral("Pages"))->setEnabled(true);
}

void ProjectTree::CheckPageMenu() {
  auto enable = [this](std::initializer_list<const char*> names) {
    for (const char* name : names) Form.Command(QString::fromLatin1(name))->setEnabled(true);
  };
  auto sendCaption = [this](const QString& caption) {
    for (const char* name : {"QuikFTPSend", "FTPSend"})
      Form.Command(QString::fromLatin1(name))->setText(caption);
  };
  for (const char* name : PageMenuItems) Form.Command(QString::fromLatin1(name))->setEnabled(false);
  sendCaption(DefaultSendCaption);
  if (Tree.IsEmpty()) return;
  enable({"AddPage", "AddPage1", "ImportPage", "Importpage1"});
  if (Tree.Level(Tree.Selected()) == ProjectTreeModel::ProjectLevel) {
    enable({"EditProject", "DeleteProject", "DeleteProject1", "FindProjectOrphans", "FindOrphans",
            "QuikFTPSend", "FTPSend"});
    sendCaption(CaptionText(QStringLiteral("Send entire site to ") + GetSiteAddress()));
    return;
  }
  enable({"ViewPage1", "DeletePage", "DeletePage1", "CopyMovePage", "CopyMovePage1",
          "ChangeDescription", "ChangeDescription1", "RenameFile", "RenamePage1",
          "Removefromproject", "Removefilefromproject1"});
  if (!IsSelectedFileOpen(false)) {
    enable({"QuikFTPSend", "FTPSend"});
    sendCaption(CaptionText(QStringLiteral("Send to ") + GetSiteAddress()));
  }
}

// ---------------------------------------------------------------- mouse and keys

void ProjectTree::Outline1DblClick() {
  if (IsSelectedFileOpen(true)) return;
  LoadProjectpage();
}

bool ProjectTree::Outline1KeyDown(int key) {
  CheckProjectMenu();
  CheckPageMenu();
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      LoadProjectpage();
      return true;
    case Qt::Key_Delete:
      if (QAction* project = Form.Command(QStringLiteral("DeleteProject")); project->isEnabled())
        project->trigger();
      else if (QAction* page = Form.Command(QStringLiteral("DeletePage")); page->isEnabled())
        page->trigger();
      return true;
    case Qt::Key_F3:
      // The page's own file, the settings entry included, opened as text.
      if (Form.Command(QStringLiteral("DeletePage"))->isEnabled())
        Form.Pages().LoadFile(
            GetProjectDirectory() + QLatin1Char('/') + EntryTarget(SelectedText()), true);
      return true;
    default:
      return false;
  }
}

void ProjectTree::ShowPopup(const QPoint& globalPosition) {
  CheckPageMenu();
  ProjectPopup->popup(globalPosition);
}

bool ProjectTree::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Form.Outline1 && event->type() == QEvent::KeyPress)
    return Outline1KeyDown(static_cast<QKeyEvent*>(event)->key());
  return QObject::eventFilter(watched, event);
}
