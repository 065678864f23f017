#pragma once

#include <QString>

// The file-type filter of the open dialogs: label/pattern pairs joined by "|", built from
// the comma-separated page and image extensions of the settings.
QString BuildFileFilter(const QString& extension, const QString& graphicExtension);

// "a,b" -> "*.a;*.b;" taking items as they stand and stopping at the first empty one.
QString ExtensionPatterns(const QString& extensions);

// Whether the program shows a file as an image: its upper-cased name contains ".JPG",
// ".GIF" or ".BMP".
bool IsImageFileName(const QString& name);
