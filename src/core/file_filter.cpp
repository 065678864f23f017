#include "core/file_filter.h"

#include <QStringList>

QString ExtensionPatterns(const QString& extensions) {
  QString patterns;
  for (const QString& item : extensions.split(QLatin1Char(','))) {
    if (item.isEmpty()) break;
    patterns += QStringLiteral("*.") + item + QLatin1Char(';');
  }
  return patterns;
}

QString BuildFileFilter(const QString& extension, const QString& graphicExtension) {
  QString filter = QStringLiteral("Web Documents|");
  filter += extension.isEmpty() ? QStringLiteral("*.htm;*.html") : ExtensionPatterns(extension);
  filter += QStringLiteral("|HTMLFiles|*.html|Graphics|");
  filter += graphicExtension.isEmpty() ? QStringLiteral("*.gif;*.jpg")
                                       : ExtensionPatterns(graphicExtension);
  filter += QStringLiteral("|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class");
  return filter;
}

bool IsImageFileName(const QString& name) {
  const QString upper = name.toUpper();
  return upper.contains(QLatin1String(".JPG")) || upper.contains(QLatin1String(".GIF")) ||
         upper.contains(QLatin1String(".BMP"));
}
