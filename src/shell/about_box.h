#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "About Quorvane": the program's picture, name, version and where to send comments.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QPushButton* OKButton;
};
