#pragma once

#include <QString>
#include <array>

using RecentFiles = std::array<QString, 4>;

// Puts `path` at the top of the list (exact comparison, letter case counts): an entry
// already listed moves up, a new one pushes the last out. Returns whether the list
// changed.
bool SetLastFiles(RecentFiles& files, const QString& path);
