#include "core/browser_launch.h"

#include <algorithm>

QString BrowserArgument(const QString& previewFile, bool prefix) {
  return prefix ? QStringLiteral("FILE://") + previewFile : previewFile;
}

QString BrowserCaption(const QString& browserPath) {
  const qsizetype slash = std::max(browserPath.lastIndexOf(QLatin1Char('/')),
                                   browserPath.lastIndexOf(QLatin1Char('\\')));
  return QStringLiteral("View page in ") + browserPath.mid(slash + 1);
}
