#pragma once

#include <QString>

// The file name a clicked link hands to the Images tab, or empty when the link is to be
// followed. A link counts as a picture when the text between its first and second "."
// (lower-cased) is not empty and occurs in the graphic extensions setting.
QString LinkImageName(const QString& target, const QString& graphicExtensions);
