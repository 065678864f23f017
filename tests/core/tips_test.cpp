#include "core/tips.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include "qt_printers.h"

namespace {

// Ten notes, tips on lines 10..18 and the closing line 19.
TipList TwentyLines() {
  QStringList lines;
  for (int i = 0; i < 20; ++i) lines << QStringLiteral("^line %1").arg(i);
  return TipList(lines);
}

TEST(TipListStep, ForwardCyclesThroughTipsAndNeverShowsTheLastLine) {
  const TipList tips = TwentyLines();
  int index = 10;
  std::vector<int> seen;
  for (int i = 0; i < 10; ++i) {
    index = tips.Step(index, true, true);
    seen.push_back(index);
  }
  EXPECT_EQ(seen, (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 10, 11}));
}

TEST(TipListStep, Table) {
  const TipList tips = TwentyLines();
  struct Case {
    int index;
    bool forward;
    bool tipMode;
    int expected;
  };
  const Case cases[] = {
      {10, false, true, 10},  // back from the first tip stays there
      {15, false, true, 14},  //
      {3, false, true, 10},   // tip mode never steps back into the notes
      {11, false, true, 10},  // the window told 11 shows the first tip
      {3, false, false, 2},   // helper note 3 is line 2
      {1, false, false, 0},   // helper note 1 is line 0
      {0, false, false, 10},  // below 0 wraps to the last line, which is never shown
      {0, true, true, 1},     // the forward step made on creation
      {18, true, true, 10},   //
      {19, false, true, 18},  //
      {25, false, true, 10},  // a stored number beyond the end restarts
      {-5, true, false, 10},  //
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tips.Step(c.index, c.forward, c.tipMode), c.expected)
        << "index " << c.index << (c.forward ? " forward" : " backward")
        << (c.tipMode ? " in tip mode" : " in helper mode");
  }
}

TEST(TipListEntry, HeadingTable) {
  const TipList tips(QStringList{"!a", "#a", "'a", "?a", "^a", "*a", " a", "a", "", "%s"});
  const QStringList expected{"Today's joke...",
                             "Today's message...",
                             "Today's quote...",
                             "Did you know...",
                             "Today's tip...",
                             "",
                             "",
                             "",
                             "",
                             ""};
  for (int i = 0; i < tips.Count(); ++i)
    EXPECT_EQ(tips.Heading(i), expected[i]) << "line " << tips.Lines[i].toStdString();
}

TEST(TipListEntry, TextDropsTheSelectorAndBreaksLines) {
  const TipList tips(QStringList{"^First%sSecond", "?%s%sx", "^"});
  EXPECT_EQ(tips.Heading(0), "Today's tip...");
  EXPECT_EQ(tips.Text(0), "First\nSecond");
  EXPECT_EQ(tips.Text(1), "\n\nx");
  EXPECT_EQ(tips.Text(2), "");
}

TEST(TipListEntry, AtMostFiveLineBreaks) {
  const TipList tips(QStringList{"^1%s2%s3%s4%s5%s6%s7"});
  EXPECT_EQ(tips.Text(0), "1\n2\n3\n4\n5\n6%s7");
}

TEST(TipListEntry, TextIsCutAt255CharactersBeforeBreaking) {
  const QString body = QString(254, 'a') + "%s";  // the marker straddles the cut
  const TipList tips(QStringList{"^" + body + "tail"});
  EXPECT_EQ(tips.Text(0), QString(254, 'a') + "%");
}

TEST(TipListEntry, OutsideTheListIsEmpty) {
  const TipList tips = TwentyLines();
  EXPECT_EQ(tips.Heading(-1), "");
  EXPECT_EQ(tips.Text(20), "");
}

TEST(TipListParse, LineEndsAndEncodings) {
  EXPECT_EQ(TipList::Parse("a\r\nb\rc\nd\n").Lines, (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(TipList::Parse("a\n\nb").Lines, (QStringList{"a", "", "b"}));
  EXPECT_EQ(TipList::Parse("").Count(), 0);
  EXPECT_EQ(TipList::Parse("\xEF\xBB\xBF^caf\xC3\xA9").Lines, QStringList{"^caf\u00E9"});
  EXPECT_EQ(TipList::Parse("^caf\xE9").Lines, QStringList{"^caf\u00E9"});
}

TEST(TipListParse, UsableOnlyWithNotesOneTipAndTheClosingLine) {
  QStringList lines;
  for (int i = 0; i < 11; ++i) lines << "^x";
  EXPECT_FALSE(TipList(lines).Usable());
  lines << "*end";
  EXPECT_TRUE(TipList(lines).Usable());
  EXPECT_FALSE(TipList().Usable());
}

}  // namespace

namespace {

// The file shipped beside the program: ten notes without headings, tips with headings,
// and nothing that the window would cut or leave a stray "%s" in.
TEST(ShippedTipsFile, FitsTheFormat) {
  QFile file(QCoreApplication::applicationDirPath() + "/TIPS.TXT");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  const TipList tips = TipList::Parse(file.readAll());
  ASSERT_TRUE(tips.Usable());
  EXPECT_GE(tips.Count() - TipList::FirstTip - 1, 25);
  for (int i = 0; i < tips.Count(); ++i) {
    const QString& line = tips.Lines[i];
    SCOPED_TRACE("line " + std::to_string(i) + ": " + line.toStdString());
    EXPECT_LE(line.size() - 1, TipList::MaxTextLength);
    EXPECT_FALSE(tips.Text(i).contains("%s"));
    EXPECT_FALSE(tips.Text(i).trimmed().isEmpty());
    const bool isTip = i >= TipList::FirstTip && i < tips.Count() - 1;
    EXPECT_EQ(tips.Heading(i).isEmpty(), !isTip);
  }
}

}  // namespace
