#include "core/number_text.h"

#include <stdexcept>

int IntegerFromText(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok)
    throw std::invalid_argument(
        QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
  return value;
}
