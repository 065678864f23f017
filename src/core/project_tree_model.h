#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "core/page_text.h"

// An entry of the project tree is a description, " - " and a target; it is read back by
// its first "-", so a description holds no dash while a target may. A text without any
// dash is its own description and target.
QString EntryDescription(const QString& entry);
QString EntryTarget(const QString& entry);

// The project tree: projects (level 1) holding their pages (level 2), below an invisible
// root. Items are numbered from 1 in tree order, a project followed by its pages whether
// its branch is expanded or not; 0 names the root, or no item. There is always a
// selected item while the tree holds any; it is never one hidden in a collapsed branch.
class ProjectTreeModel {
 public:
  static constexpr int ProjectLevel = 1;
  static constexpr int PageLevel = 2;

  int ItemCount() const { return int(Items.size()); }
  bool IsEmpty() const { return Items.empty(); }
  bool IsItem(int n) const { return n >= 1 && n <= ItemCount(); }
  const QString& Text(int n) const { return At(n).Text; }
  int Level(int n) const { return n == 0 ? 0 : At(n).Level; }
  bool IsExpanded(int n) const { return At(n).Expanded; }
  bool IsVisible(int n) const;  // every item above it is expanded
  int Parent(int n) const;      // 0 for a project
  int ProjectOf(int n) const;   // the project an item belongs to (itself for a project)

  int Selected() const { return Current; }  // 0 only when the tree is empty
  // An item hidden in a collapsed branch selects its nearest visible ancestor instead.
  void SetSelected(int n);

  int FirstChild(int n) const;  // 0 when there is none; FirstChild(0) is the first project
  int NextChild(int n) const;   // the next item with the same parent, or 0
  int LastChild(int n) const;
  bool HasChildren(int n) const { return FirstChild(n) != 0; }

  // Each returns the number of the new item.
  int InsertBefore(int n, const QString& text);  // at n's level
  int AddAfter(int n, const QString& text);      // at n's level, after n's branch
  int AddChild(int n, const QString& text);      // as n's last child; n = 0 adds a project
  void Delete(int n);                            // with everything below it
  void SetExpanded(int n, bool expanded);
  void FullExpand(int n);  // n and everything below it
  void SetText(int n, const QString& text);

  // Puts a page entry into its project (project = -1: the project of the selected item)
  // before the first page whose text is not less than it, so pages stay sorted by their
  // whole text, compared case-sensitively. With project -1 the new entry is selected.
  // Returns the new item, or 0 when there is no project to put it in.
  int AddThePage(const QString& text, int project);

  // "project.dat": one line per item in tree order, a page line starting with one TAB,
  // every line ended by CR LF.
  struct LoadResult;
  static LoadResult Read(const QByteArray& bytes);
  QByteArray Write(PageEncoding encoding) const;

  // The tree of a first start: the "Welcome" project and its four pages.
  static ProjectTreeModel DefaultContent();

 private:
  struct Item {
    int Level = 1;
    QString Text;
    bool Expanded = false;
  };
  const Item& At(int n) const { return Items[size_t(n - 1)]; }
  int BranchEnd(int n) const;  // the number after the last item below n
  int InsertAt(int position, int level, const QString& text);
  void KeepSelectionVisible();

  std::vector<Item> Items;
  int Current = 0;
};

struct ProjectTreeModel::LoadResult {
  ProjectTreeModel Tree;  // every item read before a bad line
  PageEncoding Encoding = PageEncoding::Utf8;
  int BadLine = 0;  // the line (from 1) that broke the nesting rule; 0 when all was read
};
