#include "tags/shared_color_dialog.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/prompts.h"
#include "tags/desktop_colors.h"

std::optional<ColorValue> SharedColorDialog::Execute() {
  const std::optional<QColor> chosen = Ask.Color(QColorOf(Current));
  if (!chosen) return std::nullopt;
  Current = ColorValueOf(*chosen);
  return Current;
}

bool SharedColorDialog::PickColor(QLineEdit& field, QLabel& sample) {
  SetColor(ColorValueOf(sample.palette().color(sample.foregroundRole())));
  const std::optional<ColorValue> chosen = Execute();
  if (!chosen) return false;
  field.setText(ColorToHex(*chosen));
  QPalette palette = sample.palette();
  palette.setColor(sample.foregroundRole(), QColorOf(*chosen));
  sample.setPalette(palette);
  return true;
}
