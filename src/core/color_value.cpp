#include "core/color_value.h"

#include <stdexcept>

QString ColorToHex(ColorValue c, const SystemColorLookup& systemColor) {
  if (IsSystemColor(c)) c = systemColor ? systemColor(int(c & 0xFF)) : 0;
  return QStringLiteral("%1%2%3")
      .arg(RedOf(c), 2, 16, QLatin1Char('0'))
      .arg(GreenOf(c), 2, 16, QLatin1Char('0'))
      .arg(BlueOf(c), 2, 16, QLatin1Char('0'))
      .toUpper();
}

ColorValue HexToColor(const QString& text) {
  if (text.isEmpty()) return 0;
  QString digits = text;
  const qsizetype hash = digits.indexOf(QLatin1Char('#'));
  if (hash >= 0) digits.remove(hash, 1);
  // Read as the run-time library reads "$" + digits: hexadecimal digits only, and a
  // value that fits in 32 bits (leading zeros do not count against that).
  quint64 v = 0;
  bool valid = !digits.isEmpty();
  for (const QChar ch : digits) {
    const int digit = ch.isDigit() && ch.unicode() < 128             ? ch.unicode() - '0'
                      : (ch.unicode() >= 'A' && ch.unicode() <= 'F') ? ch.unicode() - 'A' + 10
                      : (ch.unicode() >= 'a' && ch.unicode() <= 'f') ? ch.unicode() - 'a' + 10
                                                                     : -1;
    if (digit < 0) {
      valid = false;
      break;
    }
    v = v * 16 + quint64(digit);
    if (v > 0xFFFFFFFFu) {
      valid = false;
      break;
    }
  }
  if (!valid)
    throw std::invalid_argument(
        QStringLiteral("'$%1' is not a valid integer value").arg(digits).toStdString());
  return ColorValue((v & 0xFF00) | ((v & 0xFF) << 16) | ((v & 0xFF0000) >> 16));
}

const std::vector<NamedColor>& NamedColorList() {
  static const std::vector<NamedColor> list = {
      {QStringLiteral("Aqua"), QStringLiteral("00FFFF")},
      {QStringLiteral("Black"), QStringLiteral("000000")},
      {QStringLiteral("Blue"), QStringLiteral("0000FF")},
      {QStringLiteral("DkGray"), QStringLiteral("808080")},
      {QStringLiteral("Fuchsia"), QStringLiteral("FF00FF")},
      {QStringLiteral("Gray"), QStringLiteral("808080")},
      {QStringLiteral("Green"), QStringLiteral("008000")},
      {QStringLiteral("Lime"), QStringLiteral("00FF00")},
      {QStringLiteral("LtGray"), QStringLiteral("C0C0C0")},
      {QStringLiteral("Maroon"), QStringLiteral("800000")},
      {QStringLiteral("Navy"), QStringLiteral("000080")},
      {QStringLiteral("Olive"), QStringLiteral("808000")},
      {QStringLiteral("Purple"), QStringLiteral("800080")},
      {QStringLiteral("Red"), QStringLiteral("FF0000")},
      {QStringLiteral("Silver"), QStringLiteral("C0C0C0")},
      {QStringLiteral("Teal"), QStringLiteral("008080")},
      {QStringLiteral("White"), QStringLiteral("FFFFFF")},
      {QStringLiteral("Yellow"), QStringLiteral("FFFF00")},
  };
  return list;
}

const QStringList& HtmlColorNames() {
  static const QStringList names = {
      QStringLiteral("Black"), QStringLiteral("Maroon"),  QStringLiteral("Green"),
      QStringLiteral("Olive"), QStringLiteral("Navy"),    QStringLiteral("Purple"),
      QStringLiteral("Teal"),  QStringLiteral("Gray"),    QStringLiteral("Silver"),
      QStringLiteral("Red"),   QStringLiteral("Lime"),    QStringLiteral("Yellow"),
      QStringLiteral("Blue"),  QStringLiteral("Fuchsia"), QStringLiteral("Aqua"),
      QStringLiteral("White")};
  return names;
}
