#pragma once

#include <optional>

#include "core/color_value.h"

class Prompts;
class QLabel;
class QLineEdit;

// The main window's one colour dialog (ColorBox), shared by its commands and by other
// windows: it opens at the colour chosen last.
class SharedColorDialog {
 public:
  explicit SharedColorDialog(Prompts& ask) : Ask(ask) {}

  ColorValue Color() const { return Current; }
  void SetColor(ColorValue color) { Current = color; }

  // Runs the dialog at its colour; a confirmed choice becomes its colour.
  std::optional<ColorValue> Execute();

  // The colour button of a six-digit colour field with its sample label: opens at the
  // label's text colour; a choice fills the field (no "#") and colours the label.
  // Returns whether a colour was chosen.
  bool PickColor(QLineEdit& field, QLabel& sample);

 private:
  Prompts& Ask;
  ColorValue Current = 0;
};
