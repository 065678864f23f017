#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class TForm1;
class TagInsertion;

// The fixed tag entries of the main menu (Edit, Insert, HTML Codes) and the page
// editor's pop-up menu; each entry is a command found by its name.
class TagMenus {
 public:
  TagMenus(TForm1& form, TagInsertion& tags) : Form(form), Tags(tags) {}

  void Build();

 private:
  void BuildEditMenu(QMenu* menu);
  void BuildInsertMenu(QMenu* menu);
  void BuildHtmlCodesMenu(QMenu* menu);
  void BuildWebPagePopup();
  QAction* Add(QMenu* menu, const QString& name, const QString& caption,
               const std::function<void()>& handler, const QKeySequence& shortcut = {});
  QMenu* AddSubmenu(QMenu* menu, const QString& name, const QString& caption);

  TForm1& Form;
  TagInsertion& Tags;
};
