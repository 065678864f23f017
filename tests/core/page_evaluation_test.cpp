#include "core/page_evaluation.h"

#include <gtest/gtest.h>

#include <QHash>

#include "qt_printers.h"

namespace {

using Kind = PageEvaluation::ReferenceKind;

// Files on a pretend disk, by the name a page uses for them.
class PageEvaluationTest : public ::testing::Test {
 protected:
  QHash<QString, qint64> Disk{{"a.gif", 100}, {"pics/c.jpg", 7}, {"page.htm", 3}};
  PageEvaluation::FileSize SizeOf = [this](const QString& value) { return Disk.value(value, -1); };
  PageEvaluation::FileExists Exists = [this](const QString& value) { return Disk.contains(value); };
  PageEvaluation Scan;

  QStringList Details() const {
    QStringList texts;
    for (const PageEvaluation::Detail& detail : Scan.WebDetails()) texts << detail.Text;
    return texts;
  }
};

TEST_F(PageEvaluationTest, ListsEachImageOnceAndCountsEveryOccurrence) {
  EXPECT_EQ(
      Scan.ScanLineForImages(3, R"(<IMG SRC="a.gif"><img src="A.GIF" alt="x">)", "src", SizeOf),
      100 + 100 - 100)
      << "A.GIF is another name on this disk";
  Scan.ScanLineForImages(4, R"(<img src="b.gif"> <img src="a.gif">)", "src", SizeOf);
  Scan.Finish();

  EXPECT_EQ(Scan.FilesFound(), QStringList({"a.gif"}));
  EXPECT_EQ(Scan.FilesMissing(), QStringList({"A.GIF", "b.gif"}));
  EXPECT_EQ(
      Details(),
      QStringList({"3:5: a.gif Size=100 bytes.", "3:22: A.GIF(Did not locate.) Size=-1 bytes.",
                   "4:5: b.gif(Did not locate.) Size=-1 bytes.", "4:23: a.gif Size=100 bytes.", "",
                   "Page contains 1 SRC references totalling 200 bytes."}));
  EXPECT_EQ(Scan.TotalBytes(), 200);
  EXPECT_EQ(Scan.WebDetails()[3].Line, 4);
  EXPECT_EQ(Scan.WebDetails()[3].Column, 23);
}

TEST_F(PageEvaluationTest, BackgroundImagesAreMarkedAndEmptyValuesSayNothing) {
  Scan.ScanLineForImages(2, R"(<BODY BACKGROUND="pics/c.jpg"><TABLE background="">)", "background",
                         SizeOf);
  Scan.ScanLineForImages(5, R"(<td background="gone.gif">)", "background", SizeOf);
  EXPECT_EQ(Details(),
            QStringList({"2:6: pics/c.jpg(Background Image) Size=7 bytes.",
                         "5:4: gone.gif(Did not locate.)(Background Image) Size=-1 bytes."}));
  EXPECT_EQ(Scan.FilesMissing(), QStringList({"gone.gif"}));
}

TEST_F(PageEvaluationTest, LinksAreCheckedAgainstTheDiskAndMarkersAgainstTheLinks) {
  Scan.ScanLineForReferences(1, R"(<a href="page.htm">x</a> <A HREF="#top">t</A>)", Kind::Link,
                             "<a href=", Exists);
  Scan.ScanLineForReferences(2, R"(<a href="http://example.com/">w</a><a href=>)", Kind::Link,
                             "<a href=", Exists);
  Scan.ScanLineForReferences(3, R"(<a href="PAGE.HTM"> <a href="mailto:me@example.com">)",
                             Kind::Link, "<a href=", Exists);
  Scan.ScanLineForReferences(4, R"(<a name="top"></a><a name=end>)", Kind::Marker,
                             "a name=", Exists);
  Scan.ScanLineForReferences(5, R"(<a name=""><a name="middle">)", Kind::Marker, "a name=", Exists);
  Scan.ScanLineForReferences(6, R"(<a href="">)", Kind::Link, "<a href=", Exists);
  Scan.Finish();

  EXPECT_EQ(Scan.Links(),
            QStringList({"#top", ">", "http://example.com/", "mailto:me@example.com", "page.htm"}));
  EXPECT_EQ(Scan.LocatedLinks(), QStringList({"page.htm"}));
  EXPECT_EQ(Scan.PageMarkers(), QStringList({"end", "middle", "top"}));
  EXPECT_EQ(Scan.MissingPages(), QStringList({"#end", "#middle"}));
  EXPECT_EQ(Details(),
            QStringList({"1:0: page.htm", "1:25: #top", "2:0: http://example.com/(Did not locate.)",
                         "2:35: >(Did not locate.)", "3:0: PAGE.HTM(Did not locate.)",
                         "3:20: mailto:me@example.com(Did not locate.)", "4:1: top",
                         "4:19: end(Did not locate.)", "5: Appears to be a name without quotes",
                         "5:12: middle(Did not locate.)", "6: Appears to be a link without quotes",
                         "", "Page contains 0 SRC references totalling 0 bytes."}));
}

TEST_F(PageEvaluationTest, AnInPageLinkWithoutItsMarkerIsMissing) {
  Scan.ScanLineForReferences(1, R"(<a href="#Top">)", Kind::Link, "<a href=", Exists);
  Scan.ScanLineForReferences(1, R"(<a href="#gone">)", Kind::Link, "<a href=", Exists);
  Scan.ScanLineForReferences(2, R"(<a name="top">)", Kind::Marker, "a name=", Exists);
  Scan.Finish();
  EXPECT_EQ(Scan.MissingPages(), QStringList({"gone"}));  // names match ignoring case
  EXPECT_TRUE(Scan.LocatedLinks().isEmpty());
}

TEST_F(PageEvaluationTest, ListsAreSortedIgnoringCaseAndClearedForTheNextScan) {
  Disk = {{"b.gif", 1}, {"A.gif", 1}, {"c.gif", 1}, {"a.GIF", 1}};
  Scan.ScanLineForImages(1, R"(src="c.gif" src="b.gif" src="A.gif" src="a.GIF")", "src", SizeOf);
  Scan.Finish();
  EXPECT_EQ(Scan.FilesFound(), QStringList({"A.gif", "b.gif", "c.gif"}));
  Scan.Clear();
  EXPECT_TRUE(Scan.FilesFound().isEmpty());
  EXPECT_TRUE(Scan.WebDetails().empty());
  EXPECT_EQ(Scan.TotalBytes(), 0);
  Scan.ScanLineForImages(1, R"(src="a.gif")", "src", SizeOf);
  EXPECT_EQ(Scan.FilesMissing(), QStringList({"a.gif"})) << "the old keys are gone too";
}

}  // namespace
