#include "core/page_text.h"

#include <gtest/gtest.h>

#include <random>

#include "qt_printers.h"

namespace {

struct RoundTripCase {
  const char* Name;
  QByteArray Bytes;
  PageEncoding Expected;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.Name; }

class PageTextRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(PageTextRoundTrip, DetectsEncodingAndGivesTheSameBytesBack) {
  const RoundTripCase& c = GetParam();
  const DecodedPage page = DecodePage(c.Bytes);
  EXPECT_EQ(page.Encoding, c.Expected);
  EXPECT_EQ(DetectPageEncoding(c.Bytes), c.Expected);
  EXPECT_EQ(EncodePage(page.Text, page.Encoding), c.Bytes);
}

QByteArray Bytes(const char* s, int n) { return QByteArray(s, n); }

INSTANTIATE_TEST_SUITE_P(
    PageText, PageTextRoundTrip,
    ::testing::Values(
        RoundTripCase{"empty", QByteArray(), PageEncoding::Utf8},
        RoundTripCase{"ascii", "<p>Hello</p>\n", PageEncoding::Utf8},
        RoundTripCase{"utf8", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", PageEncoding::Utf8},
        RoundTripCase{"utf8 bom", "\xEF\xBB\xBF<p>\xC3\xA9</p>", PageEncoding::Utf8Bom},
        RoundTripCase{"bom only", "\xEF\xBB\xBF", PageEncoding::Utf8Bom},
        RoundTripCase{"two boms", "\xEF\xBB\xBF\xEF\xBB\xBFx", PageEncoding::Utf8Bom},
        RoundTripCase{"nul bytes", Bytes("a\0b\0", 4), PageEncoding::Utf8},
        RoundTripCase{"latin page", "caf\xE9 \x80 \x85\x91\x92\x93\x94\x96\x97\x99\x9F",
                      PageEncoding::Windows1252},
        RoundTripCase{"undefined bytes", "\x81\x8D\x8F\x90\x9D", PageEncoding::Windows1252},
        RoundTripCase{"bom then invalid", "\xEF\xBB\xBF\xFF", PageEncoding::Windows1252},
        RoundTripCase{"overlong slash", "a\xC0\xAF", PageEncoding::Windows1252},
        RoundTripCase{"overlong three bytes", "\xE0\x80\xAF", PageEncoding::Windows1252},
        RoundTripCase{"overlong four bytes", "\xF0\x80\x80\xAF", PageEncoding::Windows1252},
        RoundTripCase{"surrogate", "\xED\xA0\x80", PageEncoding::Windows1252},
        RoundTripCase{"above max", "\xF4\x90\x80\x80", PageEncoding::Windows1252},
        RoundTripCase{"F5 lead", "\xF5\x80\x80\x80", PageEncoding::Windows1252},
        RoundTripCase{"truncated at end", "abc\xE2\x82", PageEncoding::Windows1252},
        RoundTripCase{"lone trail byte", "abcdefghij\xA9klmnop", PageEncoding::Windows1252},
        RoundTripCase{"bad trail", "\xC3\x28", PageEncoding::Windows1252},
        RoundTripCase{"utf8 with stray latin byte", "\xC3\xA9 and \xE9", PageEncoding::Windows1252},
        RoundTripCase{"literal reference", "&#8364;\x80", PageEncoding::Windows1252},
        RoundTripCase{"mixed line ends", "a\r\nb\rc\nd\n\r", PageEncoding::Utf8},
        RoundTripCase{"latin mixed line ends", "\xE9\r\n\xE9\r\xE9\n", PageEncoding::Windows1252}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) {
      std::string name = info.param.Name;
      for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(PageText, EveryByteAndRandomBytesRoundTrip) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) {
    const QByteArray one(1, static_cast<char>(b));
    const DecodedPage page = DecodePage(one);
    EXPECT_EQ(EncodePage(page.Text, page.Encoding), one) << "byte " << b;
    all.append(one);
  }
  DecodedPage page = DecodePage(all);
  EXPECT_EQ(EncodePage(page.Text, page.Encoding), all);

  // Mostly valid UTF-8 with the odd bad byte, to reach the decoder's edge paths.
  std::mt19937 random(20240611);
  const QByteArray pieces[] = {"a", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\r\n"};
  for (int round = 0; round < 500; ++round) {
    QByteArray bytes;
    const int length = random() % 40;
    for (int i = 0; i < length; ++i) {
      if (random() % 8 == 0)
        bytes.append(static_cast<char>(random() % 256));
      else
        bytes.append(pieces[random() % 5]);
    }
    page = DecodePage(bytes);
    ASSERT_EQ(EncodePage(page.Text, page.Encoding), bytes) << bytes.toHex().constData();
  }
}

TEST(PageText, DecodesWindows1252Characters) {
  const DecodedPage page = DecodePage("\xE9\x80\x99\x9F\x81");
  EXPECT_EQ(page.Encoding, PageEncoding::Windows1252);
  EXPECT_EQ(page.Text, QString::fromUtf8("é€™Ÿ\u0081"));
}

TEST(PageText, BomIsNotPartOfTheText) {
  const DecodedPage page = DecodePage("\xEF\xBB\xBFhi");
  EXPECT_EQ(page.Text, QStringLiteral("hi"));
}

TEST(PageText, UnrepresentableCharacterBecomesNumericReference) {
  EXPECT_EQ(EncodePage(QString::fromUtf8("é€ \u0080 \u4E2D \U0001F600"), PageEncoding::Windows1252),
            QByteArray("\xE9\x80 &#128; &#20013; &#128512;"));
  // Both UTF-8 forms hold everything.
  const QString text = QString::fromUtf8("\u4E2D");
  EXPECT_EQ(EncodePage(text, PageEncoding::Utf8), QByteArray("\xE4\xB8\xAD"));
  EXPECT_EQ(EncodePage(text, PageEncoding::Utf8Bom), QByteArray("\xEF\xBB\xBF\xE4\xB8\xAD"));
}

TEST(PageText, LineEndStyles) {
  const QString mixed = QStringLiteral("a\r\nb\rc\nd\n\re");
  EXPECT_EQ(ApplyLineEnds(mixed, LineEndStyle::Default), mixed);
  EXPECT_EQ(ApplyLineEnds(mixed, LineEndStyle::Unix), QStringLiteral("a\nb\nc\nd\n\ne"));
  EXPECT_EQ(ApplyLineEnds(mixed, LineEndStyle::Mac), QStringLiteral("a\rb\rc\rd\r\re"));
  EXPECT_EQ(ApplyLineEnds(QStringLiteral("x\r\n"), LineEndStyle::Unix), QStringLiteral("x\n"));
  EXPECT_EQ(ApplyLineEnds(QStringLiteral("x\r\n"), LineEndStyle::Mac), QStringLiteral("x\r"));
}

}  // namespace
