#pragma once

#include <QWidget>

// The picture shown while the program starts: borderless, on top, centred; it closes
// itself after five seconds if start-up has not closed it already.
class TSpash : public QWidget {
  Q_OBJECT

 public:
  TSpash();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap Picture;
};
