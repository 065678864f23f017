#include "tags/tag_insertion.h"

#include <QAction>
#include <QLocale>
#include <QMenu>

#include "core/text_points.h"
#include "platform/editor_surface.h"
#include "platform/prompts.h"
#include "platform/three_way_splitter.h"
#include "shell/page_documents.h"
#include "shell/preview.h"
#include "shell/tform1.h"
#include "tags/desktop_colors.h"
#include "tags/font_tag_dialog.h"
#include "tags/page_change_batch.h"

namespace {

// The line break the editor writes: the one its text already uses, else its own mode.
QString LineBreakFor(const EditorSurface& editor) {
  const QString first = LineBreakOf(editor.text(0));
  if (!first.isEmpty()) return first;
  switch (editor.eolMode()) {
    case QsciScintilla::EolWindows:
      return QStringLiteral("\r\n");
    case QsciScintilla::EolMac:
      return QStringLiteral("\r");
    default:
      return QStringLiteral("\n");
  }
}

QString ForEditor(const QString& snippet, const EditorSurface& editor) {
  return WithLineBreaks(snippet, LineBreakFor(editor));
}

}  // namespace

TagInsertion::TagInsertion(TForm1& form)
    : ColorBox(form.Ask()), LCRPopup(new QMenu(&form)), Form(form) {
  LastFont.Face = QStringLiteral("System");
  LCRPopup->setObjectName(QStringLiteral("LCRPopup"));
  for (const char* caption : {"none", "left", "center", "right"}) {
    QAction* entry = LCRPopup->addAction(QString::fromLatin1(caption));
    connect(entry, &QAction::triggered, this,
            [this, entry] { LCRPopupChoose(entry->data().toString()); });
  }
}

TagInsertion::~TagInsertion() = default;

bool TagInsertion::FullScreenShown() const { return Form.MainSplitter->isHidden(); }

// Nothing is written into the editor while it holds no page: the text would belong to
// no file.
bool TagInsertion::PageReady() const { return Form.Pages().PageOpen(); }

void TagInsertion::PageChanged() {
  Form.Command(QStringLiteral("Save1"))->setEnabled(true);
  if (!Form.Settings.AutoUpdate) Form.Previewer().UpdateWebView();
}

void TagInsertion::InsertText(const QString& text) {
  if (FullScreenShown() || !PageReady()) return;
  EditorSurface& page = *Form.WebPage;
  {
    PageChangeBatch change(page);
    change.ReplaceSelection(ForEditor(text, page));
  }
  PageChanged();
}

void TagInsertion::InsertSelected(const QString& openingTag) {
  InsertSelected2(openingTag, ClosingTagOf(openingTag));
}

void TagInsertion::InsertSelected2(const QString& opening, const QString& closing) {
  if (FullScreenShown() || !PageReady()) return;
  EditorSurface& page = *Form.WebPage;
  const EditorSurface::SelectionPoints points = page.GetSelectionPoints();
  const TextPoint earlier =
      EarlierPoint({points.StartLine, points.StartCol}, {points.EndLine, points.EndCol});
  const bool selected = page.hasSelectedText();
  const QString openingText = ForEditor(opening, page);
  {
    PageChangeBatch change(page);
    change.ReplaceSelection(openingText + (selected ? page.SelectedText() : QString()) +
                            ForEditor(closing, page));
    if (selected) {
      // The whole new text, tags included, stays selected.
      const EditorSurface::SelectionPoints after = page.GetSelectionPoints();
      page.SetSelectionPoints({earlier.Line, earlier.Col, after.EndLine, after.EndCol});
    } else {
      const TextPoint caret = PointAfter(earlier, openingText);
      page.SetSelectionPoints({caret.Line, caret.Col, caret.Line, caret.Col});
    }
  }
  PageChanged();
}

void TagInsertion::InsertCaptionAsTag(const QString& caption) {
  const TagPair tags = CaptionAsTag(caption);
  InsertSelected2(tags.Opening, tags.Closing);
}

void TagInsertion::CreateUnevenTags(const QString& entry) {
  const TagPair tags = UnevenTags(entry);
  InsertSelected2(tags.Opening, tags.Closing);
}

void TagInsertion::ButtonInsertAsIs(const QWidget& button) { InsertText(button.toolTip()); }

void TagInsertion::ButtonInsertEven(const QWidget& button) {
  InsertSelected(QLatin1Char('<') + button.toolTip() + QLatin1Char('>'));
}

void TagInsertion::ButtonInsertUnEven(const QWidget& button) { CreateUnevenTags(button.toolTip()); }

void TagInsertion::UOListItem() {
  InsertSelected2(QStringLiteral("<UL><LI>"), QStringLiteral("</UL>"));
}

void TagInsertion::InsertBasicTags() {
  if (!PageReady()) return;
  EditorSurface& page = *Form.WebPage;
  PageChangeBatch change(page);
  for (const QString& part : BasicTagInsertions()) change.ReplaceSelection(ForEditor(part, page));
}

void TagInsertion::InsertLines(const QStringList& lines, EditorSurface& editor) {
  if (&editor == Form.WebPage && !PageReady()) return;
  {
    PageChangeBatch change(editor);
    change.ReplaceSelection(ForEditor(LinesText(lines), editor));
  }
  editor.setFocus();
  if (!Form.Settings.AutoUpdate) Form.Previewer().UpdateWebView();
}

// ---------------------------------------------------------------- commands

void TagInsertion::FontSizeStepClick(bool enlarge) {
  InsertSelected2(QStringLiteral("<FONT SIZE=%1%2>")
                      .arg(enlarge ? QLatin1Char('+') : QLatin1Char('-'))
                      .arg(Form.Settings.FontSizeChange),
                  QStringLiteral("</FONT>"));
}

void TagInsertion::FontSizeChange(const QString& size) {
  InsertSelected2(QStringLiteral("<FONT SIZE=") + size + QLatin1Char('>'),
                  QStringLiteral("</FONT>"));
}

void TagInsertion::ScreenFontsChange(const QString& face) {
  InsertSelected2(QStringLiteral("<FONT FACE=\"") + face + QStringLiteral("\">"),
                  QStringLiteral("</FONT>"));
}

void TagInsertion::FontColorClick() {
  const std::optional<ColorValue> color = ColorBox.Execute();
  if (!color) return;
  InsertSelected2(QStringLiteral("<FONT COLOR=\"#") + ColorToHex(*color) + QStringLiteral("\">"),
                  QStringLiteral("</FONT>"));
}

void TagInsertion::FontDialogClick() {
  FontTagDialog dialog(LastFont, LastFontColor, &Form);
  if (Form.Ask().RunModal(dialog) != QDialog::Accepted) return;
  LastFont = dialog.Choice();
  LastFontColor = dialog.Color();
  const TagPair tags = FontDialogTags(LastFont, ColorToHex(LastFontColor));
  InsertSelected2(tags.Opening, tags.Closing);
}

void TagInsertion::ParagraphBtnClick() {
  if (Form.Settings.UseClosingP)
    InsertSelected(QStringLiteral("<P>"));
  else
    InsertText(QStringLiteral("<P>"));
}

void TagInsertion::ParagraphMenuClick() {
  if (Form.Settings.UseClosingP)
    InsertCaptionAsTag(QStringLiteral("<P></P>"));
  else
    InsertText(QStringLiteral("<P>\r"));
}

void TagInsertion::DateClick() { InsertText(CaretDateText(Now().date(), QLocale::system())); }

void TagInsertion::TimeClick() { InsertText(CaretTimeText(Now().time(), QLocale::system())); }

void TagInsertion::DateTimeClick() { InsertText(CaretDateTimeText(Now(), QLocale::system())); }

void TagInsertion::Include1Click() {
  Prompts::FileRequest request;
  request.filter = Form.BuildFileFilter();
  request.filterIndex = 0;
  request.directory = Form.Pages().CurrentDir();
  const std::optional<QString> path = Form.Ask().OpenFile(request);
  if (!path) return;
  InsertText(QStringLiteral("<!--#include FILE=\"") + *path + QStringLiteral("\"-->"));
}

void TagInsertion::LCRArrowClick(const QString& tagName, QWidget& arrow) {
  LCRTag = tagName;
  const QStringList entries = AlignmentEntries(tagName);
  const QList<QAction*> items = LCRPopup->actions();
  for (int i = 0; i < items.size() && i < entries.size(); ++i) {
    items[i]->setText(QString(entries[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
    items[i]->setData(entries[i]);
  }
  LCRPopup->popup(arrow.mapToGlobal(QPoint(0, arrow.height())));
}

void TagInsertion::LCRPopupChoose(const QString& entry) {
  if (entry.isEmpty()) return;  // not filled by an arrow yet
  if (AlignmentActionOf(LCRTag) == AlignmentAction::Insert)
    InsertText(entry);
  else
    InsertCaptionAsTag(entry);
}
