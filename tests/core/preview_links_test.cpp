#include "core/preview_links.h"

#include <gtest/gtest.h>

#include "core/browser_launch.h"
#include "qt_printers.h"

namespace {

struct LinkCase {
  const char* target;
  const char* extensions;
  const char* image;  // empty: the link is followed
};

class LinkImageNameTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkImageNameTest, PicturesGoToTheImagesTabOtherLinksAreFollowed) {
  const LinkCase& c = GetParam();
  EXPECT_EQ(LinkImageName(c.target, c.extensions), QString(c.image));
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkImageNameTest,
                         ::testing::Values(LinkCase{"images/logo.gif", "gif,jpg", "logo.gif"},
                                           LinkCase{"IMAGES/PHOTO.JPG", "gif,jpg", "PHOTO.JPG"},
                                           LinkCase{"photo.jpg", "GIF,JPG", "photo.jpg"},
                                           LinkCase{"art\\logo.gif", "gif,jpg", "logo.gif"},
                                           LinkCase{"page.htm", "gif,jpg", ""},
                                           // Nothing between the first two dots: followed.
                                           LinkCase{"../x.gif", "gif,jpg", ""},
                                           LinkCase{"./x.gif", "gif,jpg", ""},
                                           // Only the text after the first dot counts.
                                           LinkCase{"logo.gif.htm", "gif,jpg", "logo.gif.htm"},
                                           LinkCase{"http://www.example.com/a.gif", "gif,jpg", ""},
                                           LinkCase{"#top", "gif,jpg", ""},
                                           LinkCase{"logo.png", "gif,jpg", ""},
                                           LinkCase{"logo.gif", "", ""}));

TEST(BrowserLaunchTest, ArgumentAndCaption) {
  EXPECT_EQ(BrowserArgument("/web/quorview.htm", false), "/web/quorview.htm");
  EXPECT_EQ(BrowserArgument("/web/quorview.htm", true), "FILE:///web/quorview.htm");
  EXPECT_EQ(BrowserCaption("/usr/bin/firefox"), "View page in firefox");
  EXPECT_EQ(BrowserCaption("chromium"), "View page in chromium");
}

}  // namespace
