#include "core/project_tree_model.h"

#include <QRegularExpression>

#include "core/settings_text.h"

QString EntryDescription(const QString& entry) {
  const qsizetype dash = entry.indexOf(QLatin1Char('-'));
  if (dash < 0) return entry;
  return entry.left(std::max<qsizetype>(dash - 1, 0));
}

QString EntryTarget(const QString& entry) {
  const qsizetype dash = entry.indexOf(QLatin1Char('-'));
  if (dash < 0) return entry;
  return entry.mid(dash + 2);
}

bool ProjectTreeModel::IsVisible(int n) const {
  for (int p = Parent(n); p != 0; p = Parent(p))
    if (!IsExpanded(p)) return false;
  return true;
}

int ProjectTreeModel::Parent(int n) const {
  const int level = Level(n);
  for (int p = n - 1; p >= 1; --p)
    if (Level(p) < level) return p;
  return 0;
}

int ProjectTreeModel::ProjectOf(int n) const {
  for (int p = n; p >= 1; --p)
    if (Level(p) == ProjectLevel) return p;
  return 0;
}

void ProjectTreeModel::SetSelected(int n) {
  if (!IsItem(n)) return;
  Current = n;
  KeepSelectionVisible();
}

void ProjectTreeModel::KeepSelectionVisible() {
  if (Items.empty()) {
    Current = 0;
    return;
  }
  if (!IsItem(Current)) Current = 1;
  while (!IsVisible(Current)) Current = Parent(Current);
}

int ProjectTreeModel::BranchEnd(int n) const {
  if (n == 0) return ItemCount() + 1;
  int end = n + 1;
  while (end <= ItemCount() && Level(end) > Level(n)) ++end;
  return end;
}

int ProjectTreeModel::FirstChild(int n) const {
  const int first = n + 1;
  return IsItem(first) && Level(first) == Level(n) + 1 ? first : 0;
}

int ProjectTreeModel::NextChild(int n) const {
  if (!IsItem(n)) return 0;
  const int next = BranchEnd(n);
  return IsItem(next) && Level(next) == Level(n) ? next : 0;
}

int ProjectTreeModel::LastChild(int n) const {
  int last = FirstChild(n);
  if (last == 0) return 0;
  for (int next = NextChild(last); next != 0; next = NextChild(next)) last = next;
  return last;
}

int ProjectTreeModel::InsertAt(int position, int level, const QString& text) {
  Items.insert(Items.begin() + (position - 1), Item{level, text, false});
  if (Current >= position) ++Current;
  KeepSelectionVisible();
  return position;
}

int ProjectTreeModel::InsertBefore(int n, const QString& text) {
  if (!IsItem(n)) return 0;
  return InsertAt(n, Level(n), text);
}

int ProjectTreeModel::AddAfter(int n, const QString& text) {
  if (n != 0 && !IsItem(n)) return 0;
  return InsertAt(BranchEnd(n), n == 0 ? ProjectLevel : Level(n), text);
}

int ProjectTreeModel::AddChild(int n, const QString& text) {
  if (n != 0 && !IsItem(n)) return 0;
  return InsertAt(BranchEnd(n), Level(n) + 1, text);
}

void ProjectTreeModel::Delete(int n) {
  if (!IsItem(n)) return;
  const int end = BranchEnd(n);
  Items.erase(Items.begin() + (n - 1), Items.begin() + (end - 1));
  if (Current >= end)
    Current -= end - n;
  else if (Current >= n)
    Current = n > 1 ? n - 1 : 1;  // the item above takes the selection
  KeepSelectionVisible();
}

void ProjectTreeModel::SetExpanded(int n, bool expanded) {
  if (!IsItem(n)) return;
  Items[size_t(n - 1)].Expanded = expanded;
  KeepSelectionVisible();
}

void ProjectTreeModel::FullExpand(int n) {
  if (!IsItem(n)) return;
  for (int i = n; i < BranchEnd(n); ++i) Items[size_t(i - 1)].Expanded = true;
}

void ProjectTreeModel::SetText(int n, const QString& text) {
  if (IsItem(n)) Items[size_t(n - 1)].Text = text;
}

int ProjectTreeModel::AddThePage(const QString& text, int project) {
  const bool ofSelection = project == -1;
  if (ofSelection) project = ProjectOf(Current);
  if (!IsItem(project)) return 0;
  int added;
  if (HasChildren(project)) {
    int child = FirstChild(project);
    while (child != 0 && QString::compare(Text(child), text, Qt::CaseSensitive) < 0)
      child = NextChild(child);
    added = child != 0 ? InsertBefore(child, text) : AddAfter(LastChild(project), text);
  } else {
    added = AddChild(project, text);
  }
  if (ofSelection) SetSelected(added);
  return added;
}

ProjectTreeModel::LoadResult ProjectTreeModel::Read(const QByteArray& bytes) {
  LoadResult result;
  const DecodedPage decoded = DecodePage(bytes);
  result.Encoding = decoded.Encoding;
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
  const QStringList lines = decoded.Text.split(lineEnd);
  int previousLevel = 0;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    qsizetype indent = 0;
    while (indent < line.size() &&
           (line[indent] == QLatin1Char('\t') || line[indent] == QLatin1Char(' ')))
      ++indent;
    if (indent == line.size()) continue;  // an empty line holds no entry
    const int level = int(indent) + 1;
    // A line may go one level deeper than the one before it, and the tree has two levels:
    // anything deeper would make a page the directory of another page.
    if (level > previousLevel + 1 || level > PageLevel) {
      result.BadLine = int(i) + 1;
      break;
    }
    result.Tree.Items.push_back(Item{level, line.mid(indent), false});
    previousLevel = level;
  }
  result.Tree.KeepSelectionVisible();
  return result;
}

QByteArray ProjectTreeModel::Write(PageEncoding encoding) const {
  QString text;
  for (const Item& item : Items) {
    // Leading blanks would read back as levels, and a line break as a new entry.
    QString entry = item.Text;
    entry.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    qsizetype lead = 0;
    while (lead < entry.size() &&
           (entry[lead] == QLatin1Char('\t') || entry[lead] == QLatin1Char(' ')))
      ++lead;
    text += QString(item.Level - 1, QLatin1Char('\t')) + entry.mid(lead) + QLatin1String("\r\n");
  }
  return EncodeSettingsText(text, encoding);
}

ProjectTreeModel ProjectTreeModel::DefaultContent() {
  ProjectTreeModel tree;
  const int welcome = tree.AddChild(0, QStringLiteral("Welcome - Welcome"));
  for (const char* page :
       {"International Vendors - internat.htm", "Readme File - readme.htm",
        "Safesurf Ratings Explanation - ssplan.htm", "Update notices - updates.htm"})
    tree.AddChild(welcome, QString::fromLatin1(page));
  tree.SetSelected(welcome);
  return tree;
}
