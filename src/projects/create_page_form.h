#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class TForm1;

// "Create Page": creates a page file in the selected project from the default page, a
// template or nothing, adds its entry to the tree and opens it.
class TCrtPageForm : public QDialog {
  Q_OBJECT

 public:
  enum Style { DefaultPage = 0, UseTemplate = 1, ThemePage = 2, FramePage = 3 };

  explicit TCrtPageForm(TForm1& form, QWidget* parent = nullptr);

  // A page name holds no directory, drive or extension.
  static bool IsPlainPageName(const QString& name);

  // Adds every template/*.ht* of the program directory not yet listed.
  void TemplateListDropDown();
  void OkBtnClick();

  Style ChosenStyle() const;
  void SetStyle(Style style);

  QLineEdit* PageName = nullptr;
  QComboBox* ExtensionList = nullptr;
  QLineEdit* PageDesc = nullptr;
  QButtonGroup* UseStyle = nullptr;
  QComboBox* TemplateList = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  void CreatePage();

  TForm1& Form;
};
