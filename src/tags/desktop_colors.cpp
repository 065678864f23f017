#include "tags/desktop_colors.h"

#include <QGuiApplication>
#include <QPalette>
#include <stdexcept>

#include "platform/prompts.h"

ColorValue SystemColorRgb(int index) {
  // The palette role nearest to what each system colour paints.
  const struct {
    int Index;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
  } roles[] = {
      {SysScrollBar, QPalette::Active, QPalette::Button},
      {SysBackground, QPalette::Active, QPalette::Dark},
      {SysActiveCaption, QPalette::Active, QPalette::Highlight},
      {SysInactiveCaption, QPalette::Inactive, QPalette::Mid},
      {SysMenu, QPalette::Active, QPalette::Window},
      {SysWindow, QPalette::Active, QPalette::Base},
      {SysWindowFrame, QPalette::Active, QPalette::Shadow},
      {SysMenuText, QPalette::Active, QPalette::WindowText},
      {SysWindowText, QPalette::Active, QPalette::Text},
      {SysCaptionText, QPalette::Active, QPalette::HighlightedText},
      {SysActiveBorder, QPalette::Active, QPalette::Window},
      {SysInactiveBorder, QPalette::Inactive, QPalette::Window},
      {SysAppWorkSpace, QPalette::Active, QPalette::Dark},
      {SysHighlight, QPalette::Active, QPalette::Highlight},
      {SysHighlightText, QPalette::Active, QPalette::HighlightedText},
      {SysBtnFace, QPalette::Active, QPalette::Button},
      {SysBtnShadow, QPalette::Active, QPalette::Dark},
      {SysGrayText, QPalette::Disabled, QPalette::Text},
      {SysBtnText, QPalette::Active, QPalette::ButtonText},
      {SysInactiveCaptionText, QPalette::Inactive, QPalette::WindowText},
      {SysBtnHighlight, QPalette::Active, QPalette::Light},
      {Sys3DDkShadow, QPalette::Active, QPalette::Shadow},
      {Sys3DLight, QPalette::Active, QPalette::Midlight},
      {SysInfoText, QPalette::Active, QPalette::ToolTipText},
      {SysInfoBk, QPalette::Active, QPalette::ToolTipBase},
      {SysHotLight, QPalette::Active, QPalette::Link},
      {SysGradientActiveCaption, QPalette::Active, QPalette::Highlight},
      {SysGradientInactiveCaption, QPalette::Inactive, QPalette::Mid},
      {SysMenuHighlight, QPalette::Active, QPalette::Highlight},
      {SysMenuBar, QPalette::Active, QPalette::Window},
  };
  const QPalette palette = QGuiApplication::palette();
  for (const auto& role : roles)
    if (role.Index == index) return ColorValueOf(palette.color(role.Group, role.Role));
  return 0;
}

QString ColorToHex(ColorValue c) { return ColorToHex(c, &SystemColorRgb); }

std::optional<ColorValue> HexToColor(const QString& text, Prompts& ask) {
  try {
    return HexToColor(text);
  } catch (const std::invalid_argument& error) {
    ask.Fail(QString::fromUtf8(error.what()));
    return std::nullopt;
  }
}

QColor QColorOf(ColorValue c) {
  if (IsSystemColor(c)) c = SystemColorRgb(int(c & 0xFF));
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

ColorValue ColorValueOf(const QColor& color) {
  return RgbColor(color.red(), color.green(), color.blue());
}
