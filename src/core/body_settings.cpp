#include "core/body_settings.h"

#include <QFileInfo>
#include <functional>
#include <stdexcept>

#include "core/tag_text.h"

namespace {

int MarginOf(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok)
    throw std::invalid_argument(
        QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
  return value;
}

}  // namespace

void SetBodyVars(const QString& tag, PageBodySettings& settings) {
  PageBodySettings read = settings;
  read.TopMargin = read.BottomMargin = read.LeftMargin = read.RightMargin = -1;
  read.BackgroundImage.clear();
  const QString upper = tag.toUpper();
  auto value = [&](const char* name, const std::function<void(const QString&)>& take) {
    const qsizetype at = upper.indexOf(QLatin1String(name));
    if (at >= 0) take(GetAttributeValue(tag, int(at) + 1));
  };
  value("BACKGROUND=", [&](const QString& v) { read.BackgroundImage = v; });
  value("TEXT=", [&](const QString& v) { read.Text = HexToColor(v); });
  value("LINK=", [&](const QString& v) { read.Link = HexToColor(v); });
  value("VLINK=", [&](const QString& v) { read.VLink = HexToColor(v); });
  value("ALINK=", [&](const QString& v) { read.ALink = HexToColor(v); });
  value("BGCOLOR=", [&](const QString& v) { read.Background = HexToColor(v); });
  value("RIGHTMARGIN=", [&](const QString& v) { read.RightMargin = MarginOf(v); });
  value("LEFTMARGIN=", [&](const QString& v) { read.LeftMargin = MarginOf(v); });
  value("TOPMARGIN=", [&](const QString& v) { read.TopMargin = MarginOf(v); });
  value("BOTTOMMARGIN=", [&](const QString& v) { read.BottomMargin = MarginOf(v); });
  read.FixedBackground = upper.contains(QLatin1String("BGPROPERTIES="));
  settings = read;
}

QString BuildBodyTag(const PageBodySettings& s, QString (*hex)(ColorValue)) {
  QString tag = QStringLiteral("<BODY ");
  if (!s.BackgroundImage.isEmpty())
    tag += QStringLiteral("BACKGROUND=\"%1\" ").arg(QFileInfo(s.BackgroundImage).fileName());
  tag += QStringLiteral("TEXT=\"#%1\" ").arg(hex(s.Text));
  tag += QStringLiteral("LINK=\"#%1\" ").arg(hex(s.Link));
  tag += QStringLiteral("ALINK=\"#%1\" ").arg(hex(s.ALink));
  tag += QStringLiteral("VLINK=\"#%1\" ").arg(hex(s.VLink));
  tag += QStringLiteral("BGCOLOR=\"#%1\" ").arg(hex(s.Background));
  const std::pair<const char*, int> margins[] = {{"LEFTMARGIN", s.LeftMargin},
                                                 {"RIGHTMARGIN", s.RightMargin},
                                                 {"TOPMARGIN", s.TopMargin},
                                                 {"BOTTOMMARGIN", s.BottomMargin}};
  for (const auto& [name, margin] : margins)
    if (margin >= 0) tag += QStringLiteral("%1=\"%2\" ").arg(QLatin1String(name)).arg(margin);
  if (s.FixedBackground) tag += QStringLiteral("BGPROPERTIES=\"FIXED\"");
  return tag + QLatin1Char('>');
}
