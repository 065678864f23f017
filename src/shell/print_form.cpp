#include "shell/print_form.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TPrintForm::TPrintForm(PrintRequest print, QWidget* parent)
    : QDialog(parent), Print(std::move(print)) {
  setObjectName(QStringLiteral("TPrintForm"));
  setWindowTitle(QStringLiteral("Print"));
  auto* group = new QGroupBox(QStringLiteral("Print:"), this);
  group->setObjectName(QStringLiteral("RadioGroup1"));
  GraphicView = new QRadioButton(QStringLiteral("Graphic View"), group);
  TextView = new QRadioButton(QStringLiteral("Text View"), group);
  BothViews = new QRadioButton(QStringLiteral("Both Views"), group);
  GraphicView->setChecked(true);
  auto* choices = new QVBoxLayout(group);
  for (QRadioButton* choice : {GraphicView, TextView, BothViews}) choices->addWidget(choice);

  BitBtn1 = new QPushButton(QStringLiteral("Print"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("Close"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());

  connect(BitBtn1, &QPushButton::clicked, this, &TPrintForm::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintForm::BitBtn1Click() {
  const bool both = BothViews->isChecked();
  if (Print) Print(both || GraphicView->isChecked(), both || TextView->isChecked());
  accept();
}
