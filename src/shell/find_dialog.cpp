#include "shell/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent),
      FindEdit(new QLineEdit(this)),
      MatchCaseBox(new QCheckBox(QStringLiteral("Match &case"), this)),
      FindNextBtn(new QPushButton(QStringLiteral("&Find Next"), this)) {
  setObjectName(QStringLiteral("FindDialog"));
  setWindowTitle(QStringLiteral("Find"));
  setModal(false);
  FindEdit->setObjectName(QStringLiteral("FindEdit"));
  MatchCaseBox->setObjectName(QStringLiteral("MatchCase"));
  FindNextBtn->setObjectName(QStringLiteral("FindNextBtn"));
  FindNextBtn->setDefault(true);
  auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
  label->setBuddy(FindEdit);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(FindEdit, 0, 1);
  layout->addWidget(FindNextBtn, 0, 2);
  layout->addWidget(MatchCaseBox, 1, 0, 1, 2);
  layout->addWidget(cancel, 1, 2);
  connect(FindNextBtn, &QPushButton::clicked, this, [this] {
    if (!FindText().isEmpty()) emit Find(FindText(), MatchCase());
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::FindText() const { return FindEdit->text(); }
void FindDialog::SetFindText(const QString& text) { FindEdit->setText(text); }
bool FindDialog::MatchCase() const { return MatchCaseBox->isChecked(); }
