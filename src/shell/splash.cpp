#include "shell/splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
QPixmap DrawPicture() {
  QPixmap picture(360, 200);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 200);
  sky.setColorAt(0, QColor(24, 52, 96));
  sky.setColorAt(1, QColor(60, 120, 180));
  painter.fillRect(picture.rect(), sky);
  painter.setPen(QPen(QColor(255, 214, 90), 3));
  painter.setFont(QFont(QStringLiteral("Courier New"), 26, QFont::Bold));
  painter.drawText(QRect(0, 30, 360, 60), Qt::AlignCenter, QStringLiteral("</>"));
  painter.setPen(Qt::white);
  painter.setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
  painter.drawText(QRect(0, 90, 360, 40), Qt::AlignCenter, QStringLiteral("Quorvane 32"));
  painter.setFont(QFont(QStringLiteral("Arial"), 10));
  painter.drawText(QRect(0, 140, 360, 30), Qt::AlignCenter,
                   QStringLiteral("Hand-coded HTML, helped at every step"));
  return picture;
}
}  // namespace

TSpash::TSpash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Picture(DrawPicture()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(Picture.size());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  QTimer::singleShot(5000, this, &QWidget::close);
}

void TSpash::paintEvent(QPaintEvent*) { QPainter(this).drawPixmap(0, 0, Picture); }
