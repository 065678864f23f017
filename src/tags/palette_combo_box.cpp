#include "tags/palette_combo_box.h"

#include <QFontDatabase>
#include <QSignalBlocker>

PaletteComboBox::PaletteComboBox(bool screenFonts, QWidget* parent)
    : QComboBox(parent), ScreenFonts(screenFonts) {
  if (ScreenFonts) {
    FillWithScreenFonts();
    setCurrentIndex(-1);
  }
}

void PaletteComboBox::FillWithScreenFonts() {
  // Refilling is no choice of the user's: nothing may act on it.
  const QSignalBlocker quiet(this);
  const QString current = currentText();
  clear();
  addItems(QFontDatabase::families());
  setCurrentIndex(findText(current));
}

void PaletteComboBox::showPopup() {
  if (ScreenFonts) FillWithScreenFonts();
  QComboBox::showPopup();
}

void PaletteComboBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QComboBox::mouseDoubleClickEvent(event);
  if (!currentText().isEmpty()) emit DoubleClicked(currentText());
}
