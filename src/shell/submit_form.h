#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Submit Results": what a form rendered in a preview would have sent. It lives for the
// whole run and is shown without blocking the window it reports for.
class TSubmitForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSubmitForm(QWidget* parent = nullptr);

  // Fills the window with one submission and shows it.
  void ShowResults(const QString& action, const QString& method, const QStringList& results);

  QString Action() const;
  QString Method() const;
  QStringList Results() const;

 private:
  QLineEdit* ActionEdit;
  QLineEdit* MethodEdit;
  QPlainTextEdit* ResultsMemo;
  QPushButton* CloseBtn;
};
