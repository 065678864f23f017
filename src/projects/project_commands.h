#pragma once

#include <QObject>
#include <QString>

class TCopyMoveForm;
class TForm1;

// The project and page commands of the Projects menu and the tree's pop-up menu: create,
// import, copy or move, describe, rename, remove, delete and view. Each works on the
// selected tree entry.
class ProjectCommands : public QObject {
  Q_OBJECT

 public:
  explicit ProjectCommands(TForm1& form);

  void NewProjectClick();
  void AddPageClick();
  void ImportPageClick();
  void DeletePageClick();
  void CopyMovepageClick();
  void ChangeDescriptionClick();
  void RenameFileClick();
  void RemovefromprojectClick();
  void DeleteProjectClick();
  void ViewPage1Click();
  // The settings entry of a project: its settings in the project dialog.
  void EditProjectSettings();

  TCopyMoveForm* CopyMoveForm = nullptr;

  // The destination of an image reference of an imported page: inside the project
  // directory, or empty when the reference would lead out of it.
  static QString ImageDestination(const QString& projectDir, const QString& reference);

 private:
  void ImportFile(const QString& file);
  void CopyMove(bool move);
  bool IsPageSelected() const;

  TForm1& Form;
};
