#include "shell/tip_of_the_day.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts.h"

namespace {

// A light bulb drawn in place of a picture, so the window ships no image files.
class Bulb : public QWidget {
 public:
  explicit Bulb(QWidget* parent) : QWidget(parent) { setFixedSize(48, 72); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF glass(6, 4, 36, 36);

    // Rays around the glass.
    p.setPen(QPen(QColor(230, 180, 0), 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre = glass.center();
    for (int angle = -150; angle <= -30; angle += 30) {
      QLineF ray = QLineF::fromPolar(23, angle).translated(centre);
      p.drawLine(QLineF(ray.pointAt(0.85), ray.p2()));
    }

    // Glass narrowing into the neck.
    QPainterPath bulb;
    bulb.moveTo(17, 44);
    bulb.arcTo(glass, -125, 250);
    bulb.lineTo(31, 44);
    bulb.closeSubpath();
    QRadialGradient light(centre - QPointF(5, 5), 22);
    light.setColorAt(0, QColor(255, 255, 210));
    light.setColorAt(1, QColor(255, 215, 40));
    p.setBrush(light);
    p.setPen(QPen(QColor(150, 110, 0), 1.5));
    p.drawPath(bulb);

    // Filament.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(180, 90, 0), 1.2));
    QPainterPath filament;
    filament.moveTo(19, 44);
    filament.lineTo(20, 26);
    filament.quadTo(22, 20, 24, 26);
    filament.quadTo(26, 20, 28, 26);
    filament.lineTo(29, 44);
    p.drawPath(filament);

    // Screw base.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(170, 170, 170));
    for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(16, 45 + i * 5, 16, 5), 2, 2);
    p.setBrush(QColor(80, 80, 80));
    p.drawEllipse(QRectF(20, 60, 8, 5));
  }
};

}  // namespace

TfTipOfTheDay::TfTipOfTheDay(const QString& tipsPath, Prompts& prompts, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TfTipOfTheDay"));
  setWindowTitle(QStringLiteral("Tip of the day"));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("TipPanel"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAutoFillBackground(true);
  QPalette white = panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(white);

  auto* bulb = new Bulb(panel);
  bulb->setObjectName(QStringLiteral("TipBulb"));

  lTitle = new QLabel(QStringLiteral("Oops..."), panel);
  lTitle->setObjectName(QStringLiteral("lTitle"));
  // Entries talk about HTML tags; they must show as written.
  lTitle->setTextFormat(Qt::PlainText);
  QFont titleFont = lTitle->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  lTitle->setFont(titleFont);

  lTip = new QLabel(
      QStringLiteral("Sorry, no tips are available. You can disable this message by unchecking "
                     "\"Show Tips at Startup\" at the bottom of this dialog. Alternatively, "
                     "re-install this program."),
      panel);
  lTip->setObjectName(QStringLiteral("lTip"));
  lTip->setTextFormat(Qt::PlainText);
  lTip->setWordWrap(true);
  lTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lTip->setMinimumSize(320, 120);

  auto* text = new QVBoxLayout;
  text->addWidget(lTitle);
  text->addWidget(lTip, 1);
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->addWidget(bulb, 0, Qt::AlignTop);
  panelLayout->addSpacing(8);
  panelLayout->addLayout(text, 1);

  cbShowTips = new QCheckBox(QStringLiteral("Show Tips at Startup"), this);
  cbShowTips->setObjectName(QStringLiteral("cbShowTips"));
  cbShowTips->setChecked(true);

  bNext = new QPushButton(QStringLiteral("Next Tip"), this);
  bNext->setObjectName(QStringLiteral("bNext"));
  bPrevious = new QPushButton(QStringLiteral("Previous Tip"), this);
  bPrevious->setObjectName(QStringLiteral("bPrevious"));
  bClose = new QPushButton(QStringLiteral("Close"), this);
  bClose->setObjectName(QStringLiteral("bClose"));
  bClose->setDefault(true);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(cbShowTips);
  bottom->addStretch(1);
  bottom->addWidget(bPrevious);
  bottom->addWidget(bNext);
  bottom->addWidget(bClose);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel, 1);
  layout->addLayout(bottom);

  connect(bNext, &QPushButton::clicked, this, &TfTipOfTheDay::bClick);
  connect(bPrevious, &QPushButton::clicked, this, &TfTipOfTheDay::bClick);
  connect(bClose, &QPushButton::clicked, this, &QDialog::accept);

  FormCreate(tipsPath, prompts);
}

void TfTipOfTheDay::FormCreate(const QString& tipsPath, Prompts& prompts) {
  Index = 0;
  QFile file(tipsPath);
  if (!file.open(QIODevice::ReadOnly)) {
    prompts.Fail(
        QStringLiteral("Could not read the tips file %1: %2.").arg(tipsPath, file.errorString()));
  } else {
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
      prompts.Fail(
          QStringLiteral("Could not read the tips file %1: %2.").arg(tipsPath, file.errorString()));
    } else {
      Tips = TipList::Parse(bytes);
    }
  }

  if (Tips.Usable()) {
    Index = Tips.Step(Index, true, TipMode);
    Display();
  } else {
    bNext->setEnabled(false);
    bPrevious->setEnabled(false);
  }
}

void TfTipOfTheDay::SetHelperMode(const QString& title) {
  TipMode = false;
  setWindowTitle(title);
  bNext->hide();
  bPrevious->hide();
  cbShowTips->setText(QStringLiteral("Show Helper on next entry"));
  cbShowTips->setChecked(true);
}

bool TfTipOfTheDay::ShowTipsChecked() const { return cbShowTips->isChecked(); }

void TfTipOfTheDay::SetShowTips(bool checked) { cbShowTips->setChecked(checked); }

void TfTipOfTheDay::FormShow() {
  FormShown = true;
  if (!Tips.Usable()) return;
  Index = Tips.Step(Index, false, TipMode);
  Display();
}

void TfTipOfTheDay::showEvent(QShowEvent* event) {
  if (!FormShown) FormShow();
  QDialog::showEvent(event);
}

void TfTipOfTheDay::bClick() {
  if (!Tips.Usable()) return;
  Index = Tips.Step(Index, sender() == bNext, TipMode);
  Display();
}

void TfTipOfTheDay::Display() {
  lTitle->setText(Tips.Heading(Index));
  lTip->setText(Tips.Text(Index));
}
