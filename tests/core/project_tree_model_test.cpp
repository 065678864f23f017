#include "core/project_tree_model.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

// "level:text" for every item, in tree order.
QStringList Items(const ProjectTreeModel& tree) {
  QStringList items;
  for (int n = 1; n <= tree.ItemCount(); ++n)
    items << QString::number(tree.Level(n)) + ':' + tree.Text(n);
  return items;
}

ProjectTreeModel Tree(const QByteArray& projectDat) {
  const ProjectTreeModel::LoadResult loaded = ProjectTreeModel::Read(projectDat);
  EXPECT_EQ(loaded.BadLine, 0);
  return loaded.Tree;
}

TEST(ProjectEntry, IsReadBackByItsFirstDash) {
  const struct {
    const char* Entry;
    const char* Description;
    const char* Target;
  } cases[] = {
      {"Readme File - readme.htm", "Readme File", "readme.htm"},
      {"Old - new-page.htm", "Old", "new-page.htm"},
      {"Site - /web/site", "Site", "/web/site"},
      {"#Default Project Settings - PROJECT.INI", "#Default Project Settings", "PROJECT.INI"},
      {"A-B", "", ""},  // the characters either side of the dash are dropped
      {"- x", "", "x"},
      {"bare", "bare", "bare"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EntryDescription(c.Entry), c.Description) << c.Entry;
    EXPECT_EQ(EntryTarget(c.Entry), c.Target) << c.Entry;
  }
}

TEST(ProjectTreeModel, DefaultContentIsWrittenWithTabsAndCrLf) {
  const ProjectTreeModel tree = ProjectTreeModel::DefaultContent();
  EXPECT_EQ(tree.Write(PageEncoding::Windows1252),
            "Welcome - Welcome\r\n"
            "\tInternational Vendors - internat.htm\r\n"
            "\tReadme File - readme.htm\r\n"
            "\tSafesurf Ratings Explanation - ssplan.htm\r\n"
            "\tUpdate notices - updates.htm\r\n");
  EXPECT_EQ(tree.Selected(), 1);
}

TEST(ProjectTreeModel, AddThePageKeepsPagesInOrderOfTheirWholeText) {
  ProjectTreeModel tree = Tree(
      "Site - site\r\n\t#Default Project Settings - PROJECT.INI\r\n\tHome - index.htm\r\n"
      "Other - other\r\n\tPage - p.htm\r\n");
  tree.SetSelected(5);  // a page of "Other"; its branch is collapsed so "Other" is selected
  EXPECT_EQ(tree.Selected(), 4);

  EXPECT_EQ(tree.AddThePage("Contact - contact.htm", 1), 3);
  EXPECT_EQ(tree.AddThePage("zeta - z.htm", 1), 5);  // lower case sorts after upper case
  EXPECT_EQ(tree.Selected(), 6) << "adding to a numbered project keeps the selection";

  EXPECT_EQ(tree.AddThePage("Another - a.htm", -1), 7);  // into the selected project
  EXPECT_EQ(tree.Selected(), 6) << "the collapsed branch leaves its project selected";
  tree.SetExpanded(6, true);
  EXPECT_EQ(tree.AddThePage("Zed - zed.htm", -1), 9);
  EXPECT_EQ(tree.Selected(), 9);

  EXPECT_EQ(Items(tree), QStringList({"1:Site - site", "2:#Default Project Settings - PROJECT.INI",
                                      "2:Contact - contact.htm", "2:Home - index.htm",
                                      "2:zeta - z.htm", "1:Other - other", "2:Another - a.htm",
                                      "2:Page - p.htm", "2:Zed - zed.htm"}));
  ProjectTreeModel empty;
  EXPECT_EQ(empty.AddThePage("Lost - lost.htm", -1), 0);
  EXPECT_EQ(empty.AddThePage("First - f.htm", 1), 0);
}

TEST(ProjectTreeModel, AddThePageGivesAProjectWithoutPagesItsFirstChild) {
  ProjectTreeModel tree = Tree("One - one\r\nTwo - two\r\n");
  tree.SetSelected(2);
  EXPECT_EQ(tree.AddThePage("Page - p.htm", 1), 2);
  EXPECT_EQ(Items(tree), QStringList({"1:One - one", "2:Page - p.htm", "1:Two - two"}));
  EXPECT_EQ(tree.Selected(), 3);
}

TEST(ProjectTreeModel, WalksChildrenAndKeepsTheSelectionOnAVisibleItem) {
  ProjectTreeModel tree = Tree("A - a\n\tA1 - 1\n\tA2 - 2\nB - b\nC - c\n\tC1 - 1\n");
  EXPECT_EQ(tree.FirstChild(0), 1);
  EXPECT_EQ(tree.NextChild(1), 4);
  EXPECT_EQ(tree.NextChild(4), 5);
  EXPECT_EQ(tree.NextChild(5), 0);
  EXPECT_EQ(tree.LastChild(0), 5);
  EXPECT_EQ(tree.FirstChild(1), 2);
  EXPECT_EQ(tree.LastChild(1), 3);
  EXPECT_FALSE(tree.HasChildren(4));
  EXPECT_EQ(tree.Parent(3), 1);
  EXPECT_EQ(tree.ProjectOf(6), 5);

  tree.FullExpand(1);
  tree.SetSelected(3);
  EXPECT_EQ(tree.Selected(), 3);
  tree.SetExpanded(1, false);  // collapsing hides the selected page: its project takes over
  EXPECT_EQ(tree.Selected(), 1);

  tree.SetExpanded(1, true);
  tree.SetSelected(3);
  tree.Delete(3);  // the item above takes the selection
  EXPECT_EQ(tree.Selected(), 2);
  tree.SetSelected(4);
  tree.Delete(1);  // a project goes with its pages
  EXPECT_EQ(Items(tree), QStringList({"1:B - b", "1:C - c", "2:C1 - 1"}));
  EXPECT_EQ(tree.Selected(), 2);
  tree.Delete(1);
  tree.Delete(1);
  EXPECT_TRUE(tree.IsEmpty());
  EXPECT_EQ(tree.Selected(), 0);
}

TEST(ProjectTreeModel, ReadsCrLfOrLfAndCountsBlanksAsLevels) {
  const ProjectTreeModel tree =
      Tree("Site - site\n\tHome - index.htm\r\n Blank - b.htm\r\n\r\nNext - next");
  EXPECT_EQ(Items(tree), QStringList({"1:Site - site", "2:Home - index.htm", "2:Blank - b.htm",
                                      "1:Next - next"}));
  EXPECT_EQ(tree.Write(PageEncoding::Utf8),
            "Site - site\r\n\tHome - index.htm\r\n\tBlank - b.htm\r\nNext - next\r\n");
}

TEST(ProjectTreeModel, AnEntryNestedTooDeepStopsTheLoadAfterTheEntriesBeforeIt) {
  const struct {
    const char* Name;
    QByteArray Bytes;
    int BadLine;
    int Kept;
  } cases[] = {
      {"page first", "\tPage - p.htm\r\nSite - site\r\n", 1, 0},
      {"two levels at once", "Site - site\r\n\tHome - h.htm\r\nOther - o\r\n\t\tDeep - d\r\n", 4,
       3},
      {"three levels", "Site - site\r\n\tHome - h.htm\r\n\t\tDeeper - d.htm\r\nLast - l\r\n", 3, 2},
  };
  for (const auto& c : cases) {
    const ProjectTreeModel::LoadResult loaded = ProjectTreeModel::Read(c.Bytes);
    EXPECT_EQ(loaded.BadLine, c.BadLine) << c.Name;
    EXPECT_EQ(loaded.Tree.ItemCount(), c.Kept) << c.Name;
  }
}

TEST(ProjectTreeModel, KeepsTheEncodingItWasReadIn) {
  const QByteArray latin = "Caf\xE9 - cafe\r\n\tMen\xFC - menu.htm\r\n";
  const ProjectTreeModel::LoadResult loaded = ProjectTreeModel::Read(latin);
  EXPECT_EQ(loaded.Encoding, PageEncoding::Windows1252);
  EXPECT_EQ(loaded.Tree.Text(1), QString::fromUtf8("Caf\u00E9 - cafe"));
  EXPECT_EQ(loaded.Tree.Write(loaded.Encoding), latin);

  // A character the code page lacks makes the file UTF-8 rather than lose it.
  ProjectTreeModel tree = loaded.Tree;
  tree.SetText(2, QString::fromUtf8("\u6F22\u5B57 - kanji.htm"));
  const QByteArray written = tree.Write(loaded.Encoding);
  EXPECT_EQ(written, "Caf\xC3\xA9 - cafe\r\n\t\xE6\xBC\xA2\xE5\xAD\x97 - kanji.htm\r\n");
  EXPECT_EQ(Items(ProjectTreeModel::Read(written).Tree), Items(tree));
}

TEST(ProjectTreeModel, WritesEntriesSoThatTheyReadBackAtTheirLevel) {
  ProjectTreeModel tree;
  const int project = tree.AddChild(0, "  Padded - p");
  tree.AddChild(project, "Two\r\nlines - t.htm");
  const QByteArray written = tree.Write(PageEncoding::Utf8);
  EXPECT_EQ(written, "Padded - p\r\n\tTwo  lines - t.htm\r\n");
  EXPECT_EQ(ProjectTreeModel::Read(written).Tree.ItemCount(), 2);
}

}  // namespace
