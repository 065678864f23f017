#pragma once

#include <QColor>
#include <QString>
#include <optional>

#include "core/color_value.h"

class Prompts;

// Colour values as the windows use them: system colours stand for the roles of the
// application's palette, so they follow the desktop's current colours.

// The current plain value of a system colour; black for an index the desktop has not.
ColorValue SystemColorRgb(int index);

// ColorToHex with system colours resolved through the palette.
QString ColorToHex(ColorValue c);

// HexToColor for a command: a text that is no colour shows the conversion error to the
// user, and the command that asked stops (no value).
std::optional<ColorValue> HexToColor(const QString& text, Prompts& ask);

QColor QColorOf(ColorValue c);  // system colours resolved
ColorValue ColorValueOf(const QColor& color);
