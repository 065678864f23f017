#include "core/tag_text.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

TEST(ExtractField, CountsFieldsFromZeroAndGivesEmptyForMissingOnes) {
  const struct {
    const char* Text;
    char Separator;
    int N;
    const char* Expected;
  } cases[] = {
      {"<TITLE>Home</TITLE>", '>', 1, "Home</TITLE"},
      {"<TITLE>Home</TITLE>", '>', 0, "<TITLE"},
      {"<TITLE>Home</TITLE>", '>', 2, ""},
      {"<TITLE>Home</TITLE>", '>', 3, ""},
      {"a,,c", ',', 1, ""},
      {"a,,c", ',', 2, "c"},
      {"no separator", ',', 0, "no separator"},
      {"BGCOLOR=\"#FF0000\"", '"', 1, "#FF0000"},
      {"", ',', 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExtractField(c.Text, QLatin1Char(c.Separator), c.N), c.Expected)
        << c.Text << " field " << c.N;
}

TEST(GetAttributeValue, ReadsTheValueAfterTheNameAsWritten) {
  const struct {
    const char* Text;
    int Position;
    const char* Expected;
  } cases[] = {
      {"<BODY BGCOLOR=#FFFFFF TEXT=#000000>", 23, "#000000"},
      {"<BODY BGCOLOR=#FFFFFF TEXT=#000000>", 7, "#FFFFFF"},
      {"<IMG SRC=\"Pics/A.gif\" ALT=x>", 6, "Pics/A.gif"},
      {"<IMG SRC=a.gif>", 6, "a.gif"},
      {"<IMG SRC=\"\">", 6, ""},         // two adjacent quotes read as empty
      {"<IMG SRC=''>", 6, "''"},         // apostrophes are not quotes
      {"<IMG SRC='a b.gif'>", 6, "'a"},  // ... so a blank ends the value
      {"<IMG SRC='>", 6, ""},            // a lone apostrophe is empty
      {"<IMG SRC=\"a.gif", 6, "a.gif"},  // runs to the end of the text
      {"<IMG SRC=", 6, ""},              // nothing after "="
      {"<IMG SRC", 6, ""},               // no "=" at all
      {"<A HREF=>x</A>", 4, ">x</A"},    // the first character is always taken
      {"<IMG SRC= \"a.gif\">", 6, " "},  // a blank right after "=" is the value
      {"<IMG ALT=x SRC=\"b.gif\">", 12, "b.gif"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetAttributeValue(c.Text, c.Position), c.Expected) << c.Text << " at " << c.Position;
}

TEST(GetTitleText, FindsTheTitleElementOrWhereANewOneBelongs) {
  const struct {
    const char* Page;
    const char* Title;
    bool Found;
    int StartLine, StartCol, EndLine, EndCol;
  } cases[] = {
      {"<html><head>\r\n  <title>My Page</Title>\r\n</head>", "My Page", true, 2, 2, 2, 24},
      {"<TITLE></TITLE>", "", true, 1, 0, 1, 15},
      {"<title>Split\ntitle</title>", "Split\ntitle", true, 1, 0, 2, 13},
      {"<HTML>\n<HEAD>\n</HEAD>", "", false, 2, 6, 2, 6},     // right after "<head>"
      {"<p>no head</p>", "", false, 1, 0, 1, 0},              // at the top
      {"<head><title>never closed", "", false, 1, 6, 1, 13},  // the opening tag stays
      {"<title>x\r<head>", "", false, 2, 6, 2, 6},            // "<head>" after it wins
  };
  for (const auto& c : cases) {
    const TitleSearch found = GetTitleText(c.Page);
    EXPECT_EQ(found.Title, c.Title) << c.Page;
    EXPECT_EQ(found.Found, c.Found) << c.Page;
    EXPECT_EQ(found.StartLine, c.StartLine) << c.Page;
    EXPECT_EQ(found.StartCol, c.StartCol) << c.Page;
    EXPECT_EQ(found.EndLine, c.EndLine) << c.Page;
    EXPECT_EQ(found.EndCol, c.EndCol) << c.Page;
  }
}

TEST(AsciiLower, KeepsEveryPositionInPlace) {
  const QString text = QString::fromUtf8("SRC=\"\u0130MG.GIF\" \u00C9");
  const QString lower = AsciiLower(text);
  EXPECT_EQ(lower.size(), text.size());
  EXPECT_EQ(lower, QString::fromUtf8("src=\"\u0130mg.gif\" \u00C9"));
}

}  // namespace
