#include "core/tag_snippets.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

void PrintTo(const TagPair& pair, std::ostream* os) {
  *os << '{' << pair.Opening.toStdString() << " | " << pair.Closing.toStdString() << '}';
}

namespace {

TEST(TagSnippets, ClosingTagIsASlashAfterTheFirstCharacter) {
  EXPECT_EQ(ClosingTagOf("<B>"), "</B>");
  EXPECT_EQ(ClosingTagOf("<H1>"), "</H1>");
  EXPECT_EQ(ClosingTagOf("<FONT SIZE=2>"), "</FONT SIZE=2>");  // purely textual
  EXPECT_EQ(ClosingTagOf(""), "/");
}

TEST(TagSnippets, CaptionSplitsAfterItsFirstBracket) {
  EXPECT_EQ(CaptionAsTag("<P ALIGN=\"left\"></P>"), (TagPair{"<P ALIGN=\"left\">", "</P>"}));
  EXPECT_EQ(CaptionAsTag("<HR ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%\">"),
            (TagPair{"<HR ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%\">", ""}));
  EXPECT_EQ(CaptionAsTag("<DIV></DIV>"), (TagPair{"<DIV>", "</DIV>"}));
  EXPECT_EQ(CaptionAsTag("no tag"), (TagPair{"", "no tag"}));
}

TEST(TagSnippets, UnevenEntries) {
  const struct {
    const char* Entry;
    TagPair Expected;
  } cases[] = {
      {"<TABLE BORDER>..</TABLE> - a table", {"<TABLE BORDER>", "</TABLE>"}},
      {"TABLE BORDER..TABLE - brackets added", {"<TABLE BORDER>", "<TABLE>"}},
      {"<UL><LI>..</UL>", {"<UL><LI>", "</UL>"}},  // no comment: all after ".."
      {"<!-- ..--> - c", {"<!-- ", "<--> - c>"}},  // hyphen inside the opening
      {"A..-x", {"<A>", "<-x>"}},                  // nothing before the hyphen
      {"<B>..</B>-x", {"<B>", "</B"}},             // the character before the hyphen is dropped
      {"<BR>..", {"<BR>", ""}},                    // nothing to close: no empty brackets
      {"HR", {"<HR>", ""}},                        // no ".." at all: an opening text alone
  };
  for (const auto& c : cases) EXPECT_EQ(UnevenTags(c.Entry), c.Expected) << c.Entry;
}

TEST(TagSnippets, AlignmentEntriesFillEveryPlaceholder) {
  EXPECT_EQ(AlignmentEntries("P"),
            QStringList({"<P></P>", "<P ALIGN=\"left\"></P>", "<P ALIGN=\"center\"></P>",
                         "<P ALIGN=\"right\"></P>"}));
  EXPECT_EQ(AlignmentEntries("H3"),
            QStringList({"<H3></H3>", "<H3 ALIGN=\"left\"></H3>", "<H3 ALIGN=\"center\"></H3>",
                         "<H3 ALIGN=\"right\"></H3>"}));
  EXPECT_EQ(AlignmentEntries("BR"), QStringList({"<BR>", "<BR CLEAR=\"left\">",
                                                 "<BR CLEAR=\"all\">", "<BR CLEAR=\"right\">"}));
  EXPECT_EQ(AlignmentEntries("HR"),
            QStringList({"<HR>", "<HR ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%\">",
                         "<HR ALIGN=\"center\" SIZE=\"2\" WIDTH=\"100%\">",
                         "<HR ALIGN=\"right\" SIZE=\"2\" WIDTH=\"100%\">"}));
  EXPECT_EQ(AlignmentActionOf("BR"), AlignmentAction::Insert);
  EXPECT_EQ(AlignmentActionOf("HR"), AlignmentAction::Wrap);
  EXPECT_EQ(AlignmentActionOf("DIV"), AlignmentAction::Wrap);
  EXPECT_EQ(FormatTagPattern("%%s %s %", "X"), "%s X %");
}

TEST(TagSnippets, FontDialogNestsStylesOutsideTheFontElement) {
  FontChoice font;
  font.Face = "Arial";
  font.Size = 5;
  EXPECT_EQ(FontDialogTags(font, "FF0000"),
            (TagPair{"<FONT FACE=\"Arial\" SIZE=\"5\" COLOR=\"#FF0000\">", "</FONT>"}));
  font.Bold = font.Italic = true;
  EXPECT_EQ(
      FontDialogTags(font, "000000"),
      (TagPair{"<I><B><FONT FACE=\"Arial\" SIZE=\"5\" COLOR=\"#000000\">", "</FONT></B></I>"}));
  font.Italic = false;
  font.Underline = true;
  EXPECT_EQ(FontDialogTags(font, "000000").Opening.left(6), "<U><B>");
  EXPECT_EQ(FontDialogTags(font, "000000").Closing, "</FONT></B></U>");
  font = FontChoice{QString(40, 'x'), 1, false, false, false, true};
  EXPECT_EQ(FontDialogTags(font, "0A0B0C"),
            (TagPair{"<S><FONT FACE=\"" + QString(31, 'x') + "\" SIZE=\"1\" COLOR=\"#0A0B0C\">",
                     "</FONT></S>"}));
}

TEST(TagSnippets, SkeletonAndLines) {
  EXPECT_EQ(BasicTagInsertions().join(QString()),
            "<HTML>\r<HEAD>\r<TITLE>Web page Title</TITLE>\r</HEAD>\r<BODY>\r\r</BODY>\r</HTML>");
  EXPECT_EQ(BasicTagInsertions().size(), 8);
  EXPECT_EQ(LinesText({"<OL >", "<LI> Line:1", "</OL>"}), "<OL >\r\n<LI> Line:1\r\n</OL>\r\n");
  EXPECT_EQ(LinesText({}), "");
}

TEST(TagSnippets, CaretTimeTextsUseShortDateAndLongTime) {
  const QDateTime moment(QDate(2024, 3, 9), QTime(14, 5, 7));
  for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::German, QLocale::Germany)}) {
    const QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    const QString time = locale.toString(moment.time(), QLocale::LongFormat);
    EXPECT_EQ(CaretDateText(moment.date(), locale), " " + date + " ");
    EXPECT_EQ(CaretTimeText(moment.time(), locale), " " + time + " ");
    EXPECT_EQ(CaretDateTimeText(moment, locale), " " + date + "/" + time + " ");
  }
  EXPECT_EQ(CaretDateText(moment.date(), QLocale(QLocale::German, QLocale::Germany)), " 09.03.24 ");
}

}  // namespace
