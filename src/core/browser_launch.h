#pragma once

#include <QString>

// The one argument an external browser is started with: the preview file's path, as a
// "FILE://" address when the browser's prefix setting asks for it.
QString BrowserArgument(const QString& previewFile, bool prefix);

// The Page menu's caption for a configured browser: "View page in " and the file name
// part of its path.
QString BrowserCaption(const QString& browserPath);
