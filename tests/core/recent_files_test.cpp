#include <gtest/gtest.h>

#include "core/file_filter.h"
#include "core/recent_files.h"
#include "qt_printers.h"

namespace {

TEST(RecentFilesTest, OpeningMovesAPathToTheTop) {
  struct Case {
    const char* opened;
    RecentFiles expected;
    bool changed;
  };
  RecentFiles files{"a", "b", "c", "d"};
  const Case cases[] = {
      {"c", {"c", "a", "b", "d"}, true},  {"e", {"e", "c", "a", "b"}, true},
      {"e", {"e", "c", "a", "b"}, false}, {"A", {"A", "e", "c", "a"}, true},  // letter case counts
      {"a", {"a", "A", "e", "c"}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SetLastFiles(files, c.opened), c.changed) << c.opened;
    EXPECT_EQ(files, c.expected) << c.opened;
  }
}

TEST(RecentFilesTest, AnEmptyListFillsFromTheTop) {
  RecentFiles files;
  SetLastFiles(files, "x");
  SetLastFiles(files, "y");
  EXPECT_EQ(files, (RecentFiles{"y", "x", "", ""}));
}

TEST(FileFilterTest, BuiltFromTheExtensionSettings) {
  struct Case {
    const char* extension;
    const char* graphics;
    const char* expected;
  };
  const Case cases[] = {
      {"html,htm,shtm,shtml", "gif,jpg",
       "Web Documents|*.html;*.htm;*.shtm;*.shtml;|HTMLFiles|*.html|Graphics|*.gif;*.jpg;"
       "|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class"},
      {"htm,,html", "",
       "Web Documents|*.htm;|HTMLFiles|*.html|Graphics|*.gif;*.jpg"
       "|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class"},
      {"", "png, bmp",
       "Web Documents|*.htm;*.html|HTMLFiles|*.html|Graphics|*.png;*. bmp;"
       "|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BuildFileFilter(c.extension, c.graphics), c.expected) << c.extension;
}

TEST(FileFilterTest, ImageNamesAreToldByTheirExtensionAnywhereInTheName) {
  for (const char* name : {"logo.gif", "PHOTO.JPG", "a.bmp", "x.gif.htm"})
    EXPECT_TRUE(IsImageFileName(name)) << name;
  for (const char* name : {"page.htm", "logo.png", "gif", ""})
    EXPECT_FALSE(IsImageFileName(name)) << name;
}

}  // namespace
