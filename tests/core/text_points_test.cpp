#include "core/text_points.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

TEST(TextPoints, SnippetLineEndsBecomeTheEditorsLineBreak) {
  EXPECT_EQ(WithLineBreaks("a\rb", "\n"), "a\nb");
  EXPECT_EQ(WithLineBreaks("a\rb", "\r\n"), "a\r\nb");
  EXPECT_EQ(WithLineBreaks("a\r\nb\nc\r", "\n"), "a\nb\nc\n");  // CR LF is one break
  EXPECT_EQ(WithLineBreaks("\r\r\n\n", "\r\n"), "\r\n\r\n\r\n");
  EXPECT_EQ(WithLineBreaks("no breaks", "\r\n"), "no breaks");

  EXPECT_EQ(LineBreakOf("one\r\ntwo\nthree"), "\r\n");
  EXPECT_EQ(LineBreakOf("one\ntwo\r\n"), "\n");
  EXPECT_EQ(LineBreakOf("mac\rpage"), "\r");
  EXPECT_EQ(LineBreakOf("ends in CR\r"), "\r");
  EXPECT_EQ(LineBreakOf("single line"), "");
}

TEST(TextPoints, PointAfterCountsLinesAndColumns) {
  const struct {
    TextPoint Start;
    const char* Text;
    TextPoint Expected;
  } cases[] = {
      {{1, 0}, "", {1, 0}},
      {{3, 4}, "<B>", {3, 7}},
      {{3, 4}, "<% If ... Then %>\r", {4, 0}},
      {{3, 4}, "a\r\nbc", {4, 2}},
      {{1, 2}, "\r\n\n\rx", {4, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(PointAfter(c.Start, c.Text), c.Expected) << c.Text;
}

TEST(TextPoints, EarlierPointComparesLinesFirst) {
  EXPECT_EQ(EarlierPoint({2, 5}, {1, 9}), (TextPoint{1, 9}));
  EXPECT_EQ(EarlierPoint({2, 5}, {2, 3}), (TextPoint{2, 3}));
  EXPECT_EQ(EarlierPoint({2, 5}, {3, 0}), (TextPoint{2, 5}));
  EXPECT_EQ(EarlierPoint({2, 5}, {2, 5}), (TextPoint{2, 5}));
}

}  // namespace
