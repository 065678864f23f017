#include "projects/project_commands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/project_tree_model.h"
#include "core/tag_text.h"
#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "platform/prompts.h"
#include "projects/copy_move_form.h"
#include "projects/create_page_form.h"
#include "projects/create_project_form.h"
#include "projects/evaluate_form.h"
#include "projects/project_tree.h"
#include "shell/page_documents.h"
#include "shell/tform1.h"

namespace {

const QString SettingsFileName = QStringLiteral("PROJECT.INI");

}  // namespace

ProjectCommands::ProjectCommands(TForm1& form) : QObject(&form), Form(form) {
  CopyMoveForm = new TCopyMoveForm(&Form);
  CopyMoveForm->CopyMove = [this](bool move) { CopyMove(move); };
  auto bind = [this](std::initializer_list<const char*> names, void (ProjectCommands::*handler)()) {
    for (const char* name : names)
      connect(Form.Command(QString::fromLatin1(name)), &QAction::triggered, this,
              [this, handler] { (this->*handler)(); });
  };
  bind({"NewProject", "AddProject1"}, &ProjectCommands::NewProjectClick);
  bind({"AddPage", "AddPage1"}, &ProjectCommands::AddPageClick);
  bind({"ImportPage", "Importpage1"}, &ProjectCommands::ImportPageClick);
  bind({"DeletePage", "DeletePage1"}, &ProjectCommands::DeletePageClick);
  bind({"CopyMovePage", "CopyMovePage1"}, &ProjectCommands::CopyMovepageClick);
  bind({"ChangeDescription", "ChangeDescription1", "EditProject"},
       &ProjectCommands::ChangeDescriptionClick);
  bind({"RenameFile", "RenamePage1"}, &ProjectCommands::RenameFileClick);
  bind({"Removefromproject", "Removefilefromproject1"}, &ProjectCommands::RemovefromprojectClick);
  bind({"DeleteProject", "DeleteProject1"}, &ProjectCommands::DeleteProjectClick);
  bind({"ViewPage1"}, &ProjectCommands::ViewPage1Click);
  Form.Projects().OpenSettings = [this] { EditProjectSettings(); };
}

bool ProjectCommands::IsPageSelected() const {
  const ProjectTreeModel& tree = Form.Projects().Model();
  return !tree.IsEmpty() && tree.Level(tree.Selected()) == ProjectTreeModel::PageLevel;
}

void ProjectCommands::NewProjectClick() {
  TCrtPrjForm dialog(Form, TCrtPrjForm::Mode::Create, &Form);
  Form.Ask().RunModal(dialog);
}

void ProjectCommands::EditProjectSettings() {
  TCrtPrjForm dialog(Form, TCrtPrjForm::Mode::Modify, &Form);
  Form.Ask().RunModal(dialog);
}

void ProjectCommands::AddPageClick() {
  if (Form.Projects().Model().IsEmpty()) {
    Form.Ask().Inform(QStringLiteral("Please Highlight a project."));
    return;
  }
  TCrtPageForm dialog(Form, &Form);
  Form.Ask().RunModal(dialog);
}

// ---------------------------------------------------------------- import

QString ProjectCommands::ImageDestination(const QString& projectDir, const QString& reference) {
  if (reference.isEmpty() || QDir::isAbsolutePath(reference) ||
      reference.contains(QLatin1Char(':')) || reference.startsWith(QLatin1Char('\\')))
    return {};
  const QString root = QDir::cleanPath(projectDir) + QLatin1Char('/');
  const QString destination = QDir::cleanPath(root + QString(reference).replace('\\', '/'));
  return destination.startsWith(root) ? destination : QString();
}

void ProjectCommands::ImportPageClick() {
  if (Form.Projects().Model().IsEmpty()) return;
  Prompts::FileRequest request;
  request.caption = QStringLiteral("Import Page");
  request.directory = Form.Pages().CurrentDir();
  request.filter = Form.BuildFileFilter();
  request.filterIndex = 0;
  const std::optional<QStringList> files = Form.Ask().OpenFiles(request);
  if (!files) return;
  for (const QString& file : *files) ImportFile(file);
}

void ProjectCommands::ImportFile(const QString& file) {
  const std::optional<QString> typed = Form.Ask().Input(
      QStringLiteral("Importing Page"),
      QStringLiteral("Description for ") + file + QLatin1Char(':'), QStringLiteral("New Page"));
  if (!typed) return;
  ProjectTree& projects = Form.Projects();
  projects.Change(
      [](ProjectTreeModel& tree) { tree.SetSelected(tree.ProjectOf(tree.Selected())); });
  const QString directory = projects.GetProjectDirectory();
  const QFileInfo source(file);
  const QString name = source.fileName();
  const QString page = directory + QLatin1Char('/') + name;
  // The same file, reached by another spelling of its path, is not copied onto itself.
  const bool inProject =
      QFileInfo(page).exists() && QFileInfo(page).canonicalFilePath() == source.canonicalFilePath();
  if (!inProject) QFile::copy(file, page);
  Form.Pages().LoadFile(page, true);

  QString description = *typed;
  if (description.isEmpty()) description = GetTitleText(Form.WebPage->WholeText()).Title.left(25);
  if (description.isEmpty()) description = QStringLiteral("New Page");
  description.replace(QLatin1Char('-'), QLatin1Char(' '));
  projects.AddThePage(description + QStringLiteral(" - ") + name, -1);

  TEvaluateForm& evaluation = Form.EvaluateForm();
  evaluation.Evaluate();
  bool notFound = false;
  const QString sourceDir = source.absolutePath() + QLatin1Char('/');
  for (const QString& reference : evaluation.Result().FilesMissing()) {
    // A reference that leads out of the project directory is never followed.
    const QString destination = ImageDestination(directory, reference);
    const QString image = sourceDir + QString(reference).replace('\\', '/');
    if (destination.isEmpty() || !QFileInfo(image).isFile()) {
      notFound = true;
      continue;
    }
    QFile::copy(image, destination);
  }
  Form.Pages().CloseActivePage();
  if (notFound)
    Form.Ask().Inform(QStringLiteral("Could not find one or more images in source directory"));
}

// ---------------------------------------------------------------- page commands

void ProjectCommands::DeletePageClick() {
  ProjectTree& projects = Form.Projects();
  if (!IsPageSelected() || projects.IsSelectedFileOpen(true)) return;
  if (Form.Ask().Message(Prompts::Kind::Warning, QStringLiteral("Delete selected file?"),
                         Prompts::Buttons::OkCancel) == Prompts::Answer::Cancel)
    return;
  const QString path = projects.GetSelectedFilename();
  QFile::remove(path);
  QFile::remove(WorkingCopyOf(path));
  projects.Change([](ProjectTreeModel& tree) { tree.Delete(tree.Selected()); });
}

void ProjectCommands::CopyMovepageClick() {
  ProjectTree& projects = Form.Projects();
  if (!IsPageSelected() || projects.IsSelectedFileOpen(true)) return;
  const ProjectTreeModel& tree = projects.Model();
  const QString own = tree.Text(tree.Parent(tree.Selected()));
  TCopyMoveForm& dialog = *CopyMoveForm;
  dialog.ListBox1->clear();
  dialog.OwnProject = own;
  dialog.Label1->setText(QStringLiteral("Working with: ") + EntryTarget(own) + QLatin1Char('/') +
                         EntryTarget(tree.Text(tree.Selected())));
  for (int n = tree.FirstChild(0); n != 0; n = tree.NextChild(n))
    dialog.ListBox1->addItem(tree.Text(n));
  Form.Ask().RunModal(dialog);
}

void ProjectCommands::CopyMove(bool move) {
  ProjectTree& projects = Form.Projects();
  const ProjectTreeModel& tree = projects.Model();
  const QString chosen = CopyMoveForm->ListBox1->currentItem()->text();
  const int page = tree.Selected();
  const QString own = tree.Text(tree.Parent(page));
  const QString target = EntryTarget(tree.Text(page));
  const QString description = EntryDescription(tree.Text(page));
  int project = 0;
  for (int n = 1; n <= tree.ItemCount() && !project; ++n)
    if (tree.Text(n).compare(chosen, Qt::CaseInsensitive) == 0) project = n;
  if (!project) return;
  auto absolute = [this](const QString& path) {
    return QDir::isAbsolutePath(path) ? path : Form.ProgramDir() + path;
  };
  QString destination;
  if (chosen != own) {
    destination = EntryTarget(tree.Text(project)) + QLatin1Char('/') + target;
  } else {
    const std::optional<QString> name =
        Form.Ask().Input(QStringLiteral("New Name"), QStringLiteral("New name:"), QString());
    if (!name) return;
    destination = EntryTarget(tree.Text(project)) + QLatin1Char('/') + *name;
  }
  destination = absolute(destination);
  const QString source = absolute(EntryTarget(own) + QLatin1Char('/') + target);
  projects.AddThePage(description + QStringLiteral(" - ") + QFileInfo(destination).fileName(),
                      project);
  if (move) {
    projects.Change([](ProjectTreeModel& t) { t.Delete(t.Selected()); });
    // A rename cannot cross file systems: then the file is copied and the source removed.
    if (!QFileInfo::exists(destination) && !QFile::rename(source, destination) &&
        QFile::copy(source, destination))
      QFile::remove(source);
  } else {
    QFile::copy(source, destination);
  }
}

void ProjectCommands::ChangeDescriptionClick() {
  ProjectTree& projects = Form.Projects();
  const ProjectTreeModel& tree = projects.Model();
  if (tree.IsEmpty()) return;
  const int selected = tree.Selected();
  const QString target = EntryTarget(tree.Text(selected));
  if (target == SettingsFileName) return;
  const std::optional<QString> typed = Form.Ask().Input(QStringLiteral("Page Description:"),
                                                        QStringLiteral("Description for ") + target,
                                                        EntryDescription(tree.Text(selected)));
  if (!typed) return;
  if (typed->contains(QLatin1Char('-'))) {
    Form.Ask().Warn(
        QStringLiteral("The dash character, '-', is not allowed in a project description.  "
                       "Please remove it before continuing."));
    return;
  }
  const QString entry = *typed + QStringLiteral(" - ") + target;
  if (tree.Level(selected) == ProjectTreeModel::ProjectLevel) {
    projects.Change([selected, &entry](ProjectTreeModel& t) { t.SetText(selected, entry); });
    return;
  }
  projects.Change([selected](ProjectTreeModel& t) {
    t.SetSelected(selected - 1);
    t.Delete(selected);
  });
  projects.AddThePage(entry, -1);
}

void ProjectCommands::RenameFileClick() {
  ProjectTree& projects = Form.Projects();
  if (!IsPageSelected() || projects.IsSelectedFileOpen(true)) return;
  const ProjectTreeModel& tree = projects.Model();
  const int selected = tree.Selected();
  const QString target = EntryTarget(tree.Text(selected));
  if (target == SettingsFileName) return;
  const std::optional<QString> name = Form.Ask().Input(
      QStringLiteral("Rename File:"), QStringLiteral("Change filename for ") + target, target);
  if (!name || *name == target) return;
  const QString directory = projects.GetProjectDirectory() + QLatin1Char('/');
  // A rename never replaces a file that is there already.
  if (QFileInfo::exists(directory + *name) ||
      !QFile::rename(directory + target, directory + *name)) {
    Form.Ask().Inform(QStringLiteral("Could not rename the specified file."));
    return;
  }
  const QString entry = EntryDescription(tree.Text(selected)) + QStringLiteral(" - ") + *name;
  projects.Change([selected](ProjectTreeModel& t) {
    t.SetSelected(selected - 1);
    t.Delete(selected);
  });
  projects.AddThePage(entry, -1);
}

void ProjectCommands::RemovefromprojectClick() {
  ProjectTree& projects = Form.Projects();
  if (!IsPageSelected() || projects.IsSelectedFileOpen(true)) return;
  if (Form.Ask().Message(Prompts::Kind::Warning,
                         QStringLiteral("Remove selected file from project?\r(File will not be "
                                        "deleted from drive)"),
                         Prompts::Buttons::OkCancel) == Prompts::Answer::Cancel)
    return;
  projects.Change([](ProjectTreeModel& tree) { tree.Delete(tree.Selected()); });
}

void ProjectCommands::DeleteProjectClick() {
  ProjectTree& projects = Form.Projects();
  const ProjectTreeModel& tree = projects.Model();
  if (tree.IsEmpty() || tree.Level(tree.Selected()) != ProjectTreeModel::ProjectLevel) return;
  if (projects.IsAProjectFileOpen()) {
    Form.Ask().Warn(QStringLiteral("Close all project files before deleting project!"));
    return;
  }
  const int project = tree.Selected();
  const QString question = tree.HasChildren(project)
                               ? QStringLiteral("Project contains documents, remove everything?")
                               : QStringLiteral("Remove empty project?");
  if (Form.Ask().Message(Prompts::Kind::Warning, question, Prompts::Buttons::OkCancel) !=
      Prompts::Answer::Ok)
    return;
  const QString directory = projects.GetProjectDirectory();
  projects.DeleteChildren();
  const bool removed =
      QDir::setCurrent(directory) && QDir::setCurrent(directory + "/..") && QDir().rmdir(directory);
  if (!removed &&
      Form.Ask().Message(Prompts::Kind::Warning,
                         QStringLiteral("Error removing project directory. Would you like to "
                                        "remove the project from the list anyway?"),
                         Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
    return;
  projects.Change([project](ProjectTreeModel& t) { t.Delete(project); });
}

void ProjectCommands::ViewPage1Click() {
  if (!IsPageSelected()) return;
  Form.HTMLSplit->RenderFile(Form.Projects().GetSelectedFilename());
}
