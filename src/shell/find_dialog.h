#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// A find dialog that stays open beside its window: each "Find Next" asks for the next
// occurrence of the text. Whole-word and direction choices are left out.
class FindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FindDialog(QWidget* parent = nullptr);

  QString FindText() const;
  void SetFindText(const QString& text);
  bool MatchCase() const;

  QLineEdit* FindEdit;
  QCheckBox* MatchCaseBox;
  QPushButton* FindNextBtn;

 signals:
  void Find(const QString& text, bool matchCase);
};
