#include "core/recent_files.h"

#include <algorithm>

bool SetLastFiles(RecentFiles& files, const QString& path) {
  auto found = std::find(files.begin(), files.end(), path);
  if (found == files.begin()) return false;
  if (found == files.end()) found = files.end() - 1;
  std::rotate(files.begin(), found, found + 1);
  files.front() = path;
  return true;
}
