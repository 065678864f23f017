#pragma once

#include <QString>
#include <functional>

class QHBoxLayout;
class QToolButton;
class QWidget;
class TForm1;
class TagInsertion;

// Fills the palette's Font, Format and ASP tabs (and the bullet button of the Lists tab)
// with buttons that insert fixed tags. Every button shows its hint as tool tip and in the
// status bar, and keeps the keyboard focus in the page editor.
class TagPalette {
 public:
  TagPalette(TForm1& form, TagInsertion& tags) : Form(form), Tags(tags) {}

  void Build(QWidget* fontTab, QWidget* formatTab, QWidget* listsTab, QWidget* aspTab);

 private:
  void BuildFontTab(QWidget* tab);
  void BuildFormatTab(QWidget* tab);
  void BuildListsTab(QWidget* tab);
  void BuildAspTab(QWidget* tab);
  QToolButton* AddButton(QWidget* tab, const QString& name, const QString& label,
                         const QString& hint, const std::function<void()>& click);
  void AddFormatPair(QWidget* tab, const QString& tagName, const QString& name, const QString& hint,
                     const std::function<void()>& click);
  static QHBoxLayout* Row(QWidget* tab);

  TForm1& Form;
  TagInsertion& Tags;
};
