#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/page_text.h"
#include "core/project_tree_model.h"

class QMenu;
class QTreeWidgetItem;
class TForm1;

// The project tree beside the editor: the known projects and their pages, kept in
// "project.dat" in the program directory and shown by the main window's Outline1. It
// answers the questions every project command asks about the selected entry, opens
// pages, enables the project menus and handles the tree's mouse and keys.
class ProjectTree : public QObject {
  Q_OBJECT

 public:
  explicit ProjectTree(TForm1& form);

  const ProjectTreeModel& Model() const { return Tree; }
  // Changes the tree and shows the result.
  void Change(const std::function<void(ProjectTreeModel&)>& edit);
  // Selects an item (the nearest visible one when it is hidden in a collapsed branch).
  void Select(int n);

  // Start-up: the tree from "project.dat", or the default projects when there is none.
  void LoadProjects();
  // Shutdown: the tree to "project.dat". A failed write is reported and leaves the old
  // file as it was.
  bool SaveProjects();
  QString ProjectDatPath() const;

  int AddThePage(const QString& entry, int project = -1);
  QString GetProjectDirectory() const;  // of the selected entry, without a trailing "/"
  QString GetSelectedFilename() const;
  bool IsFileNameOpen(const QString& path) const;
  bool IsSelectedFileOpen(bool showMessage);
  bool IsAProjectFileOpen();
  void LoadProjectpage();
  void DeleteChildren();
  void CheckProjectMenu();
  void CheckPageMenu();
  QString GetSiteAddress() const;

  // The tree's mouse and keys.
  void Outline1DblClick();
  // Returns whether the key was taken.
  bool Outline1KeyDown(int key);
  void ShowPopup(const QPoint& globalPosition);

  QMenu* ProjectPopup = nullptr;
  // Opening a settings entry (PROJECT.INI) runs this instead of opening the file.
  std::function<void()> OpenSettings;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void ShowTree();
  int ItemNumber(const QTreeWidgetItem* item) const;
  QString SelectedText() const;

  TForm1& Form;
  ProjectTreeModel Tree;
  PageEncoding FileEncoding = PageEncoding::Utf8;
  bool Showing = false;  // the widget is being filled: its signals are ours
};
