#include "core/preview_links.h"

#include <algorithm>

QString LinkImageName(const QString& target, const QString& graphicExtensions) {
  const QString between = target.section(QLatin1Char('.'), 1, 1).toLower();
  if (between.isEmpty() || !graphicExtensions.toLower().contains(between)) return QString();
  const qsizetype slash =
      std::max(target.lastIndexOf(QLatin1Char('/')), target.lastIndexOf(QLatin1Char('\\')));
  return target.mid(slash + 1);
}
