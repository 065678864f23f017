#pragma once

#include <QDialog>
#include <functional>

class QPushButton;
class QRadioButton;

// "Print": chooses between the rendered page ("Graphic View"), its source text ("Text
// View") or both, and hands the choice on.
class TPrintForm : public QDialog {
  Q_OBJECT

 public:
  using PrintRequest = std::function<void(bool graphic, bool text)>;
  explicit TPrintForm(PrintRequest print, QWidget* parent = nullptr);

  QRadioButton* GraphicView;
  QRadioButton* TextView;
  QRadioButton* BothViews;
  QPushButton* BitBtn1;  // Print
  QPushButton* BitBtn2;  // Close

 private:
  void BitBtn1Click();

  PrintRequest Print;
};
