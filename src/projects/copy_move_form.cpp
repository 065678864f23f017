#include "projects/copy_move_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TCopyMoveForm::TCopyMoveForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CopyMoveForm"));
  setWindowTitle(QStringLiteral("Copy/Move a Page"));
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setAccessibleName(QStringLiteral("Projects"));
  Label1->setBuddy(ListBox1);
  CopyBtn = new QPushButton(QStringLiteral("&Copy"), this);
  CopyBtn->setObjectName(QStringLiteral("CopyBtn"));
  MoveBtn = new QPushButton(QStringLiteral("&Move"), this);
  MoveBtn->setObjectName(QStringLiteral("MoveBtn"));
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CopyBtn);
  buttons->addWidget(MoveBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(ListBox1);
  layout->addLayout(buttons);
  resize(360, 260);

  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
  auto press = [this](bool move) {
    // Nothing chosen: the press is ignored.
    if (!ListBox1->currentItem() || !CopyMove) return;
    CopyMove(move);
    accept();
  };
  connect(CopyBtn, &QPushButton::clicked, this, [press] { press(false); });
  connect(MoveBtn, &QPushButton::clicked, this, [press] { press(true); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TCopyMoveForm::ListBox1Click() {
  if (const QListWidgetItem* chosen = ListBox1->currentItem())
    MoveBtn->setEnabled(chosen->text() != OwnProject);
}
