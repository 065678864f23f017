#include "core/source_context_text.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

TEST(InATag, LooksRightThenLeftOnTheCaretLineOnly) {
  const struct {
    const char* Line;
    int Col;
    bool Expected;
  } cases[] = {
      {"<A HREF=\"x\">link</A>", 5, true},     // between "<A HREF" and ">"
      {"<B>text</B>", 5, false},               // plain text between two tags
      {"", 0, false},                          // empty line
      {"BGCOLOR=\"#FFFFFF\">", 3, true},       // second line of a split tag, before ">"
      {"<BODY BGCOLOR=\"#FFFFFF\"", 8, true},  // first line of a split tag, after "<"
      {"plain text", 4, false},
      {"<B>", 0, false},  // at the "<": nothing to the left, "<" first to the right
      {"<B>", 3, false},  // after the ">"
      {"<B>", 1, true},
      {"a > b", 1, true},  // a lone ">" to the right counts, as the lights always did
  };
  for (const auto& c : cases)
    EXPECT_EQ(InATag(QString::fromLatin1(c.Line), c.Col), c.Expected) << c.Line << " @" << c.Col;
}

TEST(TagBracesAt, GivesThePairOnTheLineOrNothing) {
  EXPECT_EQ(TagBracesAt("x <A HREF=y> z", 5).Open, 2);
  EXPECT_EQ(TagBracesAt("x <A HREF=y> z", 5).Close, 11);
  EXPECT_EQ(TagBracesAt("x <A HREF=y> z", 13).Open, -1);
  const TagBraces split = TagBracesAt("<BODY TEXT=x", 6);
  EXPECT_EQ(split.Open, 0);
  EXPECT_EQ(split.Close, -1);
}

TEST(FindBodyRange, RunsFromTheStartTagEndToTheLastOfTwoClosingTags) {
  const QString page =
      QStringLiteral("<html><head></head>\n<Body bgcolor=x>\ntext\n</BODY>\n</html>");
  const BodyRange range = FindBodyRange(page);
  ASSERT_TRUE(range.HasStart && range.HasEnd);
  EXPECT_EQ(range.Start, (TextPoint{2, 16}));
  EXPECT_EQ(range.End, (TextPoint{4, 0}));
  EXPECT_FALSE(range.TwoClosingTags);
  EXPECT_FALSE(InABody(range, {1, 5}));  // in the head
  EXPECT_FALSE(InABody(range, {2, 15}));
  EXPECT_TRUE(InABody(range, {2, 16}));
  EXPECT_TRUE(InABody(range, {3, 2}));
  EXPECT_TRUE(InABody(range, {4, 0}));  // right at the "<" of "</BODY>"
  EXPECT_FALSE(InABody(range, {4, 1}));

  const BodyRange twice = FindBodyRange(QStringLiteral("<body>\na</body>\nb</body>"));
  EXPECT_TRUE(twice.TwoClosingTags);
  EXPECT_EQ(twice.End, (TextPoint{3, 1}));
  EXPECT_TRUE(InABody(twice, {3, 0}));

  EXPECT_FALSE(InABody(FindBodyRange(QStringLiteral("<p>no body</p>")), {1, 3}));
}

TEST(FieldIndexAt, CountsTheCharacterBeforeThePosition) {
  const QString meta = QStringLiteral("<META NAME=\"A\" CONTENT=\"B\">");
  EXPECT_EQ(FieldIndexAt(meta, 7, QLatin1Char('"')), 1);
  EXPECT_EQ(FieldIndexAt(meta, 16, QLatin1Char('"')), 3);
  EXPECT_EQ(FieldIndexAt(meta, 1, QLatin1Char('"')), 1);
  EXPECT_EQ(FieldIndexAt(meta, 999, QLatin1Char('"')), 5);
}

TEST(LastModifiedStamp, LeavesOutTheTimeAtMidnight) {
  const QLocale c = QLocale::c();
  const QDate day(2026, 3, 4);
  EXPECT_EQ(LastModifiedStamp(QDateTime(day, QTime(0, 0)), c),
            QStringLiteral("<PAGEMODIFIED>") + c.toString(day, QLocale::ShortFormat) +
                QStringLiteral("</PAGEMODIFIED>"));
  EXPECT_EQ(LastModifiedStamp(QDateTime(day, QTime(13, 5, 9)), c),
            QStringLiteral("<PAGEMODIFIED>") + c.toString(day, QLocale::ShortFormat) +
                QLatin1Char(' ') + c.toString(QTime(13, 5, 9), QLocale::LongFormat) +
                QStringLiteral("</PAGEMODIFIED>"));
}

}  // namespace
