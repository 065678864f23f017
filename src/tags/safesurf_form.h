#pragma once

#include <QDialog>

#include "core/safesurf_label.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class TForm1;

// "SafeSurf Rating": twelve pages of questions that make the page's rating label.
class TSafeSurfForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSafeSurfForm(TForm1& form);

  QStackedWidget* Notebook = nullptr;
  QComboBox* Lists[SafeSurfCategoryCount] = {};
  QLineEdit* WebURL = nullptr;
  QCheckBox* GenericTrue = nullptr;
  QLabel* QuestionLabel = nullptr;

  // Presets the answers from the selected label; false when the label cannot be read.
  bool FormShow();
  void NextClick();
  void PrevClick();
  void OkClick();
  SafeSurfRating Rating() const;

 private:
  void ShowQuestion();
  TForm1& Form;
};
