#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <vector>

// A colour as the program's windows hold it: 32 bits, red in the lowest byte, then green,
// then blue. A value with the top bit set stands for a system colour; its lowest byte is
// the index of that colour and its red, green and blue are whatever the desktop uses now.
using ColorValue = quint32;

constexpr ColorValue SystemColorBit = 0x80000000u;

// Indices of the system colours the program names.
enum SystemColorIndex : int {
  SysScrollBar = 0,
  SysBackground = 1,
  SysActiveCaption = 2,
  SysInactiveCaption = 3,
  SysMenu = 4,
  SysWindow = 5,
  SysWindowFrame = 6,
  SysMenuText = 7,
  SysWindowText = 8,
  SysCaptionText = 9,
  SysActiveBorder = 10,
  SysInactiveBorder = 11,
  SysAppWorkSpace = 12,
  SysHighlight = 13,
  SysHighlightText = 14,
  SysBtnFace = 15,
  SysBtnShadow = 16,
  SysGrayText = 17,
  SysBtnText = 18,
  SysInactiveCaptionText = 19,
  SysBtnHighlight = 20,
  Sys3DDkShadow = 21,
  Sys3DLight = 22,
  SysInfoText = 23,
  SysInfoBk = 24,
  SysHotLight = 26,
  SysGradientActiveCaption = 27,
  SysGradientInactiveCaption = 28,
  SysMenuHighlight = 29,
  SysMenuBar = 30,
};

constexpr ColorValue SystemColor(int index) { return SystemColorBit | ColorValue(index & 0xFF); }
constexpr bool IsSystemColor(ColorValue c) { return (c & SystemColorBit) != 0; }
constexpr ColorValue RgbColor(int red, int green, int blue) {
  return ColorValue(red & 0xFF) | (ColorValue(green & 0xFF) << 8) | (ColorValue(blue & 0xFF) << 16);
}
constexpr int RedOf(ColorValue c) { return int(c & 0xFF); }
constexpr int GreenOf(ColorValue c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorValue c) { return int((c >> 16) & 0xFF); }

// Gives the current plain value of the system colour with the given index.
using SystemColorLookup = std::function<ColorValue(int index)>;

// Six upper-case hexadecimal digits, red first, without "#". A system colour is first
// replaced by its current value, which `systemColor` gives.
QString ColorToHex(ColorValue c, const SystemColorLookup& systemColor);

// The colour of six hexadecimal digits RRGGBB, with or without "#": the first "#" is
// removed wherever it stands, the rest must be hexadecimal digits only with a value that
// fits in 32 bits, of which only the last six digits count. An empty text is black.
// Anything else throws std::invalid_argument with "'$<text>' is not a valid integer value".
ColorValue HexToColor(const QString& text);

// The colours offered by name in the editor options' colour lists, in their order.
struct NamedColor {
  QString Name;
  QString Hex;  // RRGGBB
};
const std::vector<NamedColor>& NamedColorList();

// The colour names written into pages, in their order (indexed from 0).
const QStringList& HtmlColorNames();
