// Colour values against the desktop: system colours, the shared colour dialog and the
// conversion error the user sees.
#include "tags/desktop_colors.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "scripted_prompts.h"
#include "tags/shared_color_dialog.h"

namespace {

// Also notes the colour each dialog opened at.
class ColorRecordingPrompts : public ScriptedPrompts {
 public:
  std::vector<QColor> Opened;
  std::optional<QColor> Color(const QColor& initial) override {
    Opened.push_back(initial);
    return ScriptedPrompts::Color(initial);
  }
};

TEST(DesktopColors, SystemColoursAreTheirCurrentPaletteValues) {
  const QPalette saved = QApplication::palette();
  QPalette palette = saved;
  palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
  palette.setColor(QPalette::Active, QPalette::Text, QColor(0x0A, 0x0B, 0x0C));
  QApplication::setPalette(palette);
  EXPECT_EQ(ColorToHex(SystemColor(SysBtnFace)), "123456");
  EXPECT_EQ(ColorToHex(SystemColor(SysWindowText)), "0A0B0C");
  EXPECT_EQ(QColorOf(SystemColor(SysBtnFace)), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(ColorToHex(SystemColor(25)), "000000");  // an index the desktop has not
  QApplication::setPalette(saved);

  EXPECT_EQ(ColorToHex(RgbColor(0xFF, 0, 0)), "FF0000");
  EXPECT_EQ(ColorValueOf(QColor(0, 0, 0xFF)), 0xFF0000u);
}

TEST(DesktopColors, ConversionErrorIsShownAndTheCommandStops) {
  ScriptedPrompts ask;
  EXPECT_EQ(HexToColor(QStringLiteral("#00FF00"), ask), RgbColor(0, 0xFF, 0));
  EXPECT_TRUE(ask.Messages.empty());

  EXPECT_EQ(HexToColor(QStringLiteral("##FF0000"), ask), std::nullopt);
  EXPECT_EQ(HexToColor(QStringLiteral("#GG0000"), ask), std::nullopt);
  ASSERT_EQ(ask.Messages.size(), 2u);
  EXPECT_EQ(ask.Messages[0].kind, Prompts::Kind::Error);
  EXPECT_EQ(ask.Messages[0].buttons, Prompts::Buttons::Ok);
  EXPECT_EQ(ask.Texts(), QStringList({"'$#FF0000' is not a valid integer value",
                                      "'$GG0000' is not a valid integer value"}));
}

TEST(DesktopColors, SharedDialogOpensAtTheColourChosenLast) {
  ColorRecordingPrompts ask;
  SharedColorDialog box(ask);
  ask.AnswerColor(QColor(0xC0, 0, 0));
  ask.AnswerColor(std::nullopt);
  ask.AnswerColor(QColor(0, 0, 0x80));
  EXPECT_EQ(box.Execute(), RgbColor(0xC0, 0, 0));
  EXPECT_EQ(box.Execute(), std::nullopt);
  EXPECT_EQ(box.Execute(), RgbColor(0, 0, 0x80));
  ASSERT_EQ(ask.Opened.size(), 3u);
  EXPECT_EQ(ask.Opened[0], QColor(0, 0, 0));
  EXPECT_EQ(ask.Opened[1], QColor(0xC0, 0, 0));
  EXPECT_EQ(ask.Opened[2], QColor(0xC0, 0, 0));  // a cancel keeps the last colour
}

TEST(DesktopColors, PickColorFillsTheFieldAndColoursTheSample) {
  ColorRecordingPrompts ask;
  SharedColorDialog box(ask);
  QLineEdit field(QStringLiteral("000000"));
  QLabel sample(QStringLiteral("Text Color"));
  QPalette palette = sample.palette();
  palette.setColor(QPalette::WindowText, QColor(0x33, 0x66, 0x99));
  sample.setPalette(palette);

  ask.AnswerColor(std::nullopt);
  EXPECT_FALSE(box.PickColor(field, sample));
  EXPECT_EQ(field.text(), "000000");
  EXPECT_EQ(sample.palette().color(QPalette::WindowText), QColor(0x33, 0x66, 0x99));

  ask.AnswerColor(QColor(0x00, 0xFF, 0x0A));
  EXPECT_TRUE(box.PickColor(field, sample));
  EXPECT_EQ(field.text(), "00FF0A");  // no "#"
  EXPECT_EQ(sample.palette().color(QPalette::WindowText), QColor(0x00, 0xFF, 0x0A));
  ASSERT_EQ(ask.Opened.size(), 2u);
  EXPECT_EQ(ask.Opened[0], QColor(0x33, 0x66, 0x99));  // opens at the sample's colour
  EXPECT_EQ(ask.Opened[1], QColor(0x33, 0x66, 0x99));
}

}  // namespace
