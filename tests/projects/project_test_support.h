#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTreeWidget>

#include "main_window_fixture.h"
#include "projects/project_tree.h"

const QString DashMessage =
    "The dash character, '-', is not allowed in a project description.  Please remove it "
    "before continuing.";

// A project list of the test's own ("%site%" stands for the pages folder) and the
// program's template and theme folders.
class ProjectTestBase : public MainWindowTest {
 protected:
  void WriteProjectDat(const QByteArray& bytes) {
    QByteArray text = bytes;
    text.replace("%site%", Site().toUtf8());
    QFile file(ProgramDir() + "project.dat");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QString Site() const { return QFileInfo(Pages("x")).absolutePath(); }
  ProjectTree& Tree() { return Form->Projects(); }
  // The folders of the shipped data, which the fixture leaves out.
  void CopyProgramData() {
    const QDir data(QStringLiteral(QUORVANE_DATA_DIR));
    for (const QString& folder : {QStringLiteral("template"), QStringLiteral("themes")}) {
      QDir(ProgramDir()).mkpath(folder);
      for (const QString& name : QDir(data.filePath(folder)).entryList(QDir::Files))
        QFile::copy(data.filePath(folder + "/" + name), ProgramDir() + folder + "/" + name);
    }
  }
  void Select(const QString& text) {
    for (int n = 1; n <= Tree().Model().ItemCount(); ++n)
      if (Tree().Model().Text(n) == text) {
        Tree().Change([n](ProjectTreeModel& tree) {
          tree.SetExpanded(tree.ProjectOf(n), true);
          tree.SetSelected(n);
        });
        ASSERT_EQ(Tree().Model().Text(Tree().Model().Selected()), text);
        return;
      }
    FAIL() << "no entry " << text.toStdString();
  }
  QString SelectedText() { return Tree().Model().Text(Tree().Model().Selected()); }
  // The tree as the model holds it, a page indented by a TAB.
  QStringList Shown() {
    QStringList shown;
    const ProjectTreeModel& tree = Tree().Model();
    for (int n = 1; n <= tree.ItemCount(); ++n)
      shown << (tree.Level(n) == ProjectTreeModel::PageLevel ? "\t" : "") + tree.Text(n);
    return shown;
  }
};
