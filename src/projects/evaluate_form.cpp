#include "projects/evaluate_form.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHash>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QUrl>
#include <QVBoxLayout>

#include "core/tag_text.h"
#include "platform/editor_surface.h"
#include "platform/prompts.h"
#include "shell/wait_cursor.h"

namespace {

const QString LinkHint =
    QStringLiteral("Double click to pass URL to Netscape, or email address to Eudora");

// A reference written with either separator, as a path of this system.
QString LocalPath(const QString& value) {
  return QString(value).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QStringListModel* ModelOf(QListView* list) { return static_cast<QStringListModel*>(list->model()); }

}  // namespace

TEvaluateForm::TEvaluateForm(const EvaluationSource& source, QWidget* parent)
    : QDialog(parent), OpenUrl(&QDesktopServices::openUrl), Source(source) {
  setObjectName(QStringLiteral("EvaluateForm"));
  setWindowTitle(QStringLiteral("Web Page Details"));
  resize(720, 520);

  auto* column = new QVBoxLayout(this);
  Header1 = new QLabel(this);
  Header1->setObjectName(QStringLiteral("Header1"));
  Header1->setFrameShape(QFrame::StyledPanel);
  Header1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Header1->setAccessibleName(QStringLiteral("Selected item"));
  column->addWidget(Header1);

  auto* grid = new QGridLayout;
  column->addLayout(grid, 2);
  auto heading = [this, grid](const QString& text, int col, int span) {
    auto* label = new QLabel(text, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    grid->addWidget(label, 0, col, 1, span);
  };
  heading(QStringLiteral("SRC references"), 0, 2);
  heading(QStringLiteral("HREF References:"), 2, 2);
  struct Column {
    QListView** List;
    const char* Name;
    const char* Caption;
    const char* AccessibleName;
  };
  const Column columns[] = {
      {&FilesFound, "FilesFound", "Located:", "SRC references located"},
      {&FilesMissing, "FilesMissing", "Missing:", "SRC references missing"},
      {&Links, "Links", "Links:", "HREF references"},
      {&LocatedLinks, "LocatedLinks", "Located:", "HREF references located"},
      {&PageMarkers, "PageMarkers", "Page Markers:", "Page markers"},
      {&MissingPages, "MissingPages", "Missing Markers:", "Missing markers"},
  };
  for (int col = 0; col < 6; ++col) {
    const Column& c = columns[col];
    *c.List = AddList(QString::fromLatin1(c.Name), QString::fromLatin1(c.AccessibleName));
    auto* label = new QLabel(QString::fromLatin1(c.Caption), this);
    label->setBuddy(*c.List);
    grid->addWidget(label, 1, col);
    grid->addWidget(*c.List, 2, col);
  }
  for (QListView* list : {Links, LocatedLinks}) {
    list->setToolTip(LinkHint);
    list->setStatusTip(LinkHint);
    connect(list, &QListView::doubleClicked, this,
            [this, list](const QModelIndex& index) { LinksDblClick(list, index.row()); });
  }

  WebDetails = AddList(QStringLiteral("WebDetails"), QStringLiteral("Details"));
  WebDetails->setUniformItemSizes(true);
  column->addWidget(WebDetails, 3);
  connect(WebDetails, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { WebDetailsDblClick(index.row()); });
}

QListView* TEvaluateForm::AddList(const QString& name, const QString& accessibleName) {
  auto* list = new QListView(this);
  list->setObjectName(name);
  list->setAccessibleName(accessibleName);
  list->setModel(new QStringListModel(list));
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(list, &QListView::clicked, this,
          [this, list](const QModelIndex& index) { ListClick(list, index.row()); });
  return list;
}

void TEvaluateForm::Evaluate1Click() {
  Evaluate();
  Source.Ask->RunModal(*this);
}

void TEvaluateForm::Evaluate() {
  const WaitCursor wait;
  EditorSurface& editor = *Source.Editor;
  WebDetails->setVisible(true);
  Findings.Clear();
  Findings.AddDetail(QStringLiteral("Searching for Title..."));
  const QString title = GetTitleText(editor.WholeText()).Title;
  setWindowTitle(QStringLiteral("Web details for: <") + title + QLatin1Char('>'));
  Findings.AddDetail(title);

  const QString pageDirectory = Source.PageDirectory ? Source.PageDirectory() : QString();
  const QString workingDirectory = QDir::currentPath();
  // A page names the same files over and over: each is looked up once per scan.
  QHash<QString, qint64> sizes;
  QHash<QString, bool> found;
  const PageEvaluation::FileSize sizeOf = [&](const QString& value) -> qint64 {
    auto known = sizes.constFind(value);
    if (known != sizes.constEnd()) return *known;
    const QFileInfo file(pageDirectory + QLatin1Char('/') + LocalPath(value));
    return *sizes.insert(value, file.isFile() ? file.size() : -1);
  };
  const PageEvaluation::FileExists exists = [&](const QString& value) {
    auto known = found.constFind(value);
    if (known != found.constEnd()) return *known;
    return *found.insert(
        value, QFileInfo(workingDirectory + QLatin1Char('/') + LocalPath(value)).isFile());
  };

  // Each search goes forward from the top, and after a line has been read, from the start
  // of the next line, as a caret moved there would. The search position stands in for the
  // caret, so the caret, the selection and the view stay where the user left them (and
  // nothing is laid out for a caret that moves thousands of times).
  EditorSurface::FindPosition at;
  auto toTop = [&at] { at = {1, 0}; };
  auto toNextLine = [&at] { at = {at.Line + 1, 0}; };

  toTop();
  if (editor.FindFrom(at, QStringLiteral("background="))) {
    const QString text = editor.LineText(at.Line);
    if (AsciiLower(text).contains(QLatin1String("background")))
      Findings.ScanLineForImages(at.Line, text, QStringLiteral("background"), sizeOf);
  }

  toTop();
  Findings.AddDetail(QStringLiteral("Searching for image items..."));
  while (editor.FindFrom(at, QStringLiteral("src=\""))) {
    Findings.ScanLineForImages(at.Line, editor.LineText(at.Line), QStringLiteral("src"), sizeOf);
    toNextLine();
  }

  toTop();
  Findings.AddDetail(QStringLiteral("Searching for link references..."));
  while (editor.FindFrom(at, QStringLiteral("<a href"))) {
    const QString text = editor.LineText(at.Line);
    if (AsciiLower(text).contains(QLatin1String("<a href")))
      Findings.ScanLineForReferences(at.Line, text, PageEvaluation::ReferenceKind::Link,
                                     QStringLiteral("<a href="), exists);
    toNextLine();
  }

  toTop();
  Findings.AddDetail(QStringLiteral("Searching for page markers..."));
  while (editor.FindFrom(at, QStringLiteral("<a name="))) {
    const QString text = editor.LineText(at.Line);
    if (AsciiLower(text).contains(QLatin1String("<a name")))
      Findings.ScanLineForReferences(at.Line, text, PageEvaluation::ReferenceKind::Marker,
                                     QStringLiteral("a name="), exists);
    toNextLine();
  }

  Findings.Finish();
  ShowFindings();
}

void TEvaluateForm::ShowFindings() {
  ModelOf(FilesFound)->setStringList(Findings.FilesFound());
  ModelOf(FilesMissing)->setStringList(Findings.FilesMissing());
  ModelOf(Links)->setStringList(Findings.Links());
  ModelOf(LocatedLinks)->setStringList(Findings.LocatedLinks());
  ModelOf(PageMarkers)->setStringList(Findings.PageMarkers());
  ModelOf(MissingPages)->setStringList(Findings.MissingPages());
  QStringList details;
  details.reserve(qsizetype(Findings.WebDetails().size()));
  for (const PageEvaluation::Detail& detail : Findings.WebDetails()) details.append(detail.Text);
  ModelOf(WebDetails)->setStringList(details);
}

void TEvaluateForm::ListClick(QListView* list, int row) {
  const QModelIndex index = list->model()->index(row, 0);
  if (!index.isValid()) return;
  Header1->setText(index.data().toString());
  for (QListView* other :
       {FilesFound, FilesMissing, Links, LocatedLinks, PageMarkers, MissingPages, WebDetails})
    other->selectionModel()->clearSelection();
  list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void TEvaluateForm::LinksDblClick(QListView* list, int row) {
  const QString item = list->model()->index(row, 0).data().toString();
  if (item.isEmpty()) return;
  const qsizetype mail = AsciiLower(item).indexOf(QLatin1String("mailto:"));
  if (mail >= 0) {
    if (!OpenUrl(QUrl(item.mid(mail))))
      Source.Ask->Inform(
          QStringLiteral("Eudora is not currently running or we just could not find it."));
    return;
  }
  // A link is read as the browser reads it: relative to the page it stands in.
  const QString page = Source.PageFileName ? Source.PageFileName() : QString();
  const QUrl url = page.isEmpty()
                       ? QUrl::fromUserInput(item, QDir::currentPath(), QUrl::AssumeLocalFile)
                       : QUrl::fromLocalFile(page).resolved(QUrl(LocalPath(item)));
  if (!OpenUrl(url))
    Source.Ask->Inform(
        QStringLiteral("Netscape is not currently running or we just could not find it."));
}

void TEvaluateForm::WebDetailsDblClick(int row) {
  if (row < 0 || size_t(row) >= Findings.WebDetails().size()) return;
  const PageEvaluation::Detail& detail = Findings.WebDetails()[size_t(row)];
  EditorSurface& editor = *Source.Editor;
  // Headings, the title and the summary name no place in the page.
  if (detail.Line == 0 || editor.TextLength() == 0) return;
  const int col = std::max(detail.Column, 0);
  editor.SetSelectionPoints({detail.Line, col, detail.Line, col});
  editor.ensureCursorVisible();
  if (Source.ShowCaretPosition) Source.ShowCaretPosition();
  accept();
}
