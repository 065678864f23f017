#include "shell/submit_form.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSubmitForm::TSubmitForm(QWidget* parent)
    : QDialog(parent),
      ActionEdit(new QLineEdit(this)),
      MethodEdit(new QLineEdit(this)),
      ResultsMemo(new QPlainTextEdit(this)),
      CloseBtn(new QPushButton(QStringLiteral("&Close"), this)) {
  setObjectName(QStringLiteral("TSubmitForm"));
  setWindowTitle(QStringLiteral("Submit Results"));
  setModal(false);
  ActionEdit->setObjectName(QStringLiteral("ActionEdit"));
  MethodEdit->setObjectName(QStringLiteral("MethodEdit"));
  ResultsMemo->setObjectName(QStringLiteral("Results"));
  CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
  for (QLineEdit* field : {ActionEdit, MethodEdit}) field->setReadOnly(true);
  ResultsMemo->setReadOnly(true);
  ResultsMemo->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* fields = new QFormLayout;
  auto* actionLabel = new QLabel(QStringLiteral("Action:"), this);
  actionLabel->setBuddy(ActionEdit);
  auto* methodLabel = new QLabel(QStringLiteral("Method:"), this);
  methodLabel->setBuddy(MethodEdit);
  fields->addRow(actionLabel, ActionEdit);
  fields->addRow(methodLabel, MethodEdit);
  auto* resultsLabel = new QLabel(QStringLiteral("Results"), this);
  resultsLabel->setBuddy(ResultsMemo);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(resultsLabel);
  layout->addWidget(ResultsMemo, 1);
  layout->addWidget(CloseBtn, 0, Qt::AlignRight);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
  resize(360, 300);
}

void TSubmitForm::ShowResults(const QString& action, const QString& method,
                              const QStringList& results) {
  ActionEdit->setText(action);
  MethodEdit->setText(method);
  ResultsMemo->setPlainText(results.join(QLatin1Char('\n')));
  show();
  raise();
}

QString TSubmitForm::Action() const { return ActionEdit->text(); }
QString TSubmitForm::Method() const { return MethodEdit->text(); }
QStringList TSubmitForm::Results() const {
  const QString text = ResultsMemo->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
