#include "core/body_settings.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "qt_printers.h"

namespace {

QString Hex(ColorValue c) {
  return ColorToHex(c, [](int) { return ColorValue(0); });
}

TEST(SetBodyVars, ReadsEachAttributeAtItsFirstOccurrence) {
  PageBodySettings s;
  s.Link = RgbColor(1, 2, 3);
  s.TopMargin = 7;
  s.BackgroundImage = QStringLiteral("old.gif");
  SetBodyVars(QStringLiteral("<body bgcolor=\"#FFFFFF\" text=#000080 background=\"Sky.GIF\" "
                             "leftmargin=\"0\" bottommargin=12 bgproperties=fixed>"),
              s);
  EXPECT_EQ(s.Background, RgbColor(255, 255, 255));
  EXPECT_EQ(s.Text, RgbColor(0, 0, 0x80));
  EXPECT_EQ(s.Link, RgbColor(1, 2, 3));  // not in the tag: kept
  EXPECT_EQ(s.BackgroundImage, QStringLiteral("Sky.GIF"));
  EXPECT_EQ(s.LeftMargin, 0);
  EXPECT_EQ(s.BottomMargin, 12);
  EXPECT_EQ(s.TopMargin, -1);  // reset
  EXPECT_TRUE(s.FixedBackground);

  // "LINK=" is found inside "VLINK=" first.
  SetBodyVars(QStringLiteral("<BODY VLINK=\"#FF0000\" LINK=\"#00FF00\">"), s);
  EXPECT_EQ(s.Link, RgbColor(255, 0, 0));
  EXPECT_EQ(s.VLink, RgbColor(255, 0, 0));
  EXPECT_TRUE(s.BackgroundImage.isEmpty());
  EXPECT_FALSE(s.FixedBackground);
}

TEST(SetBodyVars, ConversionErrorsLeaveTheSettingsAsTheyWere) {
  for (const char* tag : {"<BODY TEXT=\"#000080\" BGCOLOR=\"#GG0000\">",
                          "<BODY TEXT=\"#000080\" TOPMARGIN=\"ten\">"}) {
    PageBodySettings s;
    EXPECT_THROW(SetBodyVars(QString::fromLatin1(tag), s), std::invalid_argument) << tag;
    EXPECT_EQ(s.Text, 0u);
    EXPECT_EQ(s.TopMargin, -1);
  }
  PageBodySettings s;
  try {
    SetBodyVars(QStringLiteral("<BODY LEFTMARGIN=x1>"), s);
    FAIL();
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
  }
}

TEST(BuildBodyTag, WritesColoursThenSetMarginsThenFixedBackground) {
  PageBodySettings s;
  s.Text = RgbColor(0, 0, 0x80);
  s.Background = RgbColor(255, 255, 255);
  EXPECT_EQ(BuildBodyTag(s, &Hex),
            QStringLiteral("<BODY TEXT=\"#000080\" LINK=\"#000000\" ALINK=\"#000000\" "
                           "VLINK=\"#000000\" BGCOLOR=\"#FFFFFF\" >"));
  s.BackgroundImage = QStringLiteral("/home/ann/pics/sky.gif");
  s.LeftMargin = 0;
  s.BottomMargin = 5;
  s.FixedBackground = true;
  EXPECT_EQ(BuildBodyTag(s, &Hex),
            QStringLiteral("<BODY BACKGROUND=\"sky.gif\" TEXT=\"#000080\" LINK=\"#000000\" "
                           "ALINK=\"#000000\" VLINK=\"#000000\" BGCOLOR=\"#FFFFFF\" "
                           "LEFTMARGIN=\"0\" BOTTOMMARGIN=\"5\" BGPROPERTIES=\"FIXED\">"));
}

}  // namespace
