#include "shell/about_box.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPixmap ProgramPicture() {
  QPixmap picture(72, 72);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 72);
  sky.setColorAt(0, QColor(24, 52, 96));
  sky.setColorAt(1, QColor(60, 120, 180));
  painter.fillRect(picture.rect(), sky);
  painter.setPen(QColor(255, 214, 90));
  painter.setFont(QFont(QStringLiteral("Courier New"), 16, QFont::Bold));
  painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("</>"));
  return picture;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TAboutBox"));
  setWindowTitle(QStringLiteral("About Quorvane"));
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  auto* picture = new QLabel(panel);
  picture->setObjectName(QStringLiteral("ProgramIcon"));
  picture->setPixmap(ProgramPicture());
  picture->setAccessibleName(QStringLiteral("Quorvane"));
  ProductName = new QLabel(QStringLiteral("Quorvane Professional"), panel);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  QFont bold = ProductName->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  ProductName->setFont(bold);
  Version = new QLabel(QStringLiteral("Version 2.6(32 Bit)"), panel);
  Version->setObjectName(QStringLiteral("Version"));
  Comments = new QLabel(
      QStringLiteral("Please send comments to: ") + QStringLiteral("comments@halvorend.example"),
      panel);
  Comments->setObjectName(QStringLiteral("Comments"));
  Comments->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* texts = new QVBoxLayout;
  texts->addWidget(ProductName);
  texts->addWidget(Version);
  texts->addStretch(1);
  texts->addWidget(Comments);
  auto* inside = new QHBoxLayout(panel);
  inside->addWidget(picture, 0, Qt::AlignTop);
  inside->addLayout(texts, 1);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(panel);
  layout->addWidget(OKButton, 0, Qt::AlignHCenter);
  // Sized to its panel and button, like the window it replaces.
  setFixedSize(sizeHint());
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
