#include "core/color_value.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "qt_printers.h"

namespace {

struct HexCase {
  const char* Text;
  ColorValue Expected;
};

class HexToColorReads : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexToColorReads, RedGreenBlueInTheirBytes) {
  EXPECT_EQ(HexToColor(QString::fromLatin1(GetParam().Text)), GetParam().Expected)
      << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    ColorValue, HexToColorReads,
    ::testing::Values(HexCase{"#FF0000", RgbColor(0xFF, 0, 0)},
                      HexCase{"FF0000", RgbColor(0xFF, 0, 0)},
                      HexCase{"0000FF", RgbColor(0, 0, 0xFF)}, HexCase{"", 0},  // black
                      HexCase{"#FFF", RgbColor(0x00, 0x0F, 0xFF)},              // not a short form
                      HexCase{"12345678", RgbColor(0x34, 0x56, 0x78)},          // last six digits
                      HexCase{"ffffff", RgbColor(0xFF, 0xFF, 0xFF)},
                      HexCase{"80#8000", RgbColor(0x80, 0x80, 0x00)},  // the "#" anywhere
                      HexCase{"FFFFFFFF", RgbColor(0xFF, 0xFF, 0xFF)},
                      HexCase{"0000000000C0C0C0", RgbColor(0xC0, 0xC0, 0xC0)}));

TEST(ColorValue, HexToColorRefusesWhatTheRunTimeLibraryRefuses) {
  const struct {
    const char* Text;
    const char* Message;
  } cases[] = {
      {"##FF0000", "'$#FF0000' is not a valid integer value"},  // only the first "#" goes
      {"#GG0000", "'$GG0000' is not a valid integer value"},
      {"#", "'$' is not a valid integer value"},
      {"FF 000", "'$FF 000' is not a valid integer value"},
      {" FF0000", "'$ FF0000' is not a valid integer value"},
      {"-FF", "'$-FF' is not a valid integer value"},
      {"100000000", "'$100000000' is not a valid integer value"},  // beyond 32 bits
      {"\xd9\xa3", "'$\xd9\xa3' is not a valid integer value"},    // a non-ASCII digit
  };
  for (const auto& c : cases) {
    try {
      HexToColor(QString::fromUtf8(c.Text));
      ADD_FAILURE() << "accepted " << c.Text;
    } catch (const std::invalid_argument& error) {
      EXPECT_EQ(QString::fromUtf8(error.what()), QString::fromUtf8(c.Message));
    }
  }
}

TEST(ColorValue, ColorToHexWritesRedFirstAndResolvesSystemColours) {
  const SystemColorLookup none;
  EXPECT_EQ(ColorToHex(0, none), "000000");
  EXPECT_EQ(ColorToHex(0xFF, none), "FF0000");
  EXPECT_EQ(ColorToHex(0xFF0000, none), "0000FF");
  EXPECT_EQ(ColorToHex(RgbColor(0x0A, 0xBC, 0x0D), none), "0ABC0D");
  EXPECT_EQ(ColorToHex(HexToColor("#FF0000"), none), "FF0000");
  EXPECT_EQ(ColorToHex(0x12345678, none), "785634");  // the top byte is no colour

  int asked = -1;
  const SystemColorLookup desktop = [&asked](int index) {
    asked = index;
    return RgbColor(0xD4, 0xD0, 0xC8);
  };
  EXPECT_EQ(ColorToHex(SystemColor(SysBtnFace), desktop), "D4D0C8");
  EXPECT_EQ(asked, SysBtnFace);
}

TEST(ColorValue, NameTablesKeepTheirOrders) {
  QStringList names;
  QStringList digits;
  for (const NamedColor& color : NamedColorList()) {
    names << color.Name;
    digits << color.Hex;
  }
  EXPECT_EQ(names, QStringList({"Aqua", "Black", "Blue", "DkGray", "Fuchsia", "Gray", "Green",
                                "Lime", "LtGray", "Maroon", "Navy", "Olive", "Purple", "Red",
                                "Silver", "Teal", "White", "Yellow"}));
  EXPECT_EQ(digits, QStringList({"00FFFF", "000000", "0000FF", "808080", "FF00FF", "808080",
                                 "008000", "00FF00", "C0C0C0", "800000", "000080", "808000",
                                 "800080", "FF0000", "C0C0C0", "008080", "FFFFFF", "FFFF00"}));
  EXPECT_EQ(HtmlColorNames(),
            QStringList({"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray",
                         "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"}));
}

}  // namespace
