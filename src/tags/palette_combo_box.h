#pragma once

#include <QComboBox>

// A drop-down list of the palette that also acts on a double-click; the screen font list
// is filled anew with the installed font families each time it drops down.
class PaletteComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit PaletteComboBox(bool screenFonts, QWidget* parent = nullptr);

  void FillWithScreenFonts();
  void showPopup() override;

 signals:
  void DoubleClicked(const QString& text);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool ScreenFonts;
};
