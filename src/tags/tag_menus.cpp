#include "tags/tag_menus.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAction>
#include <QMenu>

#include "platform/editor_surface.h"
#include "shell/tform1.h"
#include "tags/tag_insertion.h"

namespace {
// A caption shown as it is, without mnemonics.
QString Literal(const QString& text) { return QString(text).replace('&', QStringLiteral("&&")); }
}  // namespace

void TagMenus::Build() {
  BuildEditMenu(Form.Command(QStringLiteral("Edit"))->menu());
  BuildInsertMenu(Form.Command(QStringLiteral("InsertMenu"))->menu());
  BuildHtmlCodesMenu(Form.Command(QStringLiteral("HTMLCodes"))->menu());
  BuildWebPagePopup();
}

QAction* TagMenus::Add(QMenu* menu, const QString& name, const QString& caption,
                       const std::function<void()>& handler, const QKeySequence& shortcut) {
  auto* action = new QAction(caption, &Form);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    // The page editor claims the keys of its own commands before any menu sees them
    // (Ctrl+Shift+U would upper-case the selection): the menu's command comes first.
    const int key = shortcut[0].toCombined();
    if (QsciCommand* editorCommand = Form.WebPage->standardCommands()->boundTo(key)) {
      if (editorCommand->key() == key) editorCommand->setKey(0);
      if (editorCommand->alternateKey() == key) editorCommand->setAlternateKey(0);
    }
  }
  QObject::connect(action, &QAction::triggered, &Tags, [handler] { handler(); });
  menu->addAction(action);
  Form.RegisterCommand(action);
  return action;
}

QMenu* TagMenus::AddSubmenu(QMenu* menu, const QString& name, const QString& caption) {
  QMenu* submenu = menu->addMenu(caption);
  submenu->setObjectName(name);
  submenu->menuAction()->setObjectName(name);
  Form.RegisterCommand(submenu->menuAction());
  return submenu;
}

void TagMenus::BuildEditMenu(QMenu* menu) {
  TagInsertion& t = Tags;
  menu->addSeparator();
  Add(
      menu, QStringLiteral("Bold1"), QStringLiteral("Bold"),
      [&t] { t.InsertSelected(QStringLiteral("<B>")); },
      QKeySequence(QStringLiteral("Ctrl+Shift+B")));
  Add(
      menu, QStringLiteral("Italics1"), QStringLiteral("Italics"),
      [&t] { t.InsertSelected(QStringLiteral("<I>")); },
      QKeySequence(QStringLiteral("Ctrl+Shift+I")));
  Add(
      menu, QStringLiteral("Underline1"), QStringLiteral("Underline"),
      [&t] { t.InsertSelected(QStringLiteral("<U>")); },
      QKeySequence(QStringLiteral("Ctrl+Shift+U")));
  Add(
      menu, QStringLiteral("Center1"), QStringLiteral("Center"),
      [&t] { t.InsertSelected(QStringLiteral("<CENTER>")); },
      QKeySequence(QStringLiteral("Ctrl+Shift+C")));
  menu->addSeparator();
  Add(menu, QStringLiteral("InsertStandardTags1"), QStringLiteral("Insert Standard Tags"),
      [&t] { t.InsertBasicTags(); });
}

void TagMenus::BuildInsertMenu(QMenu* menu) {
  TagInsertion& t = Tags;
  Add(
      menu, QStringLiteral("HorizontalBar1"), QStringLiteral("Horizontal &Bar"),
      [&t] { t.InsertText(QStringLiteral("<HR>")); }, QKeySequence(QStringLiteral("Ctrl+B")));
  Add(menu, QStringLiteral("Include1"), QStringLiteral("# Include..."),
      [&t] { t.Include1Click(); });
}

void TagMenus::BuildHtmlCodesMenu(QMenu* menu) {
  TagInsertion& t = Tags;
  QMenu* headings = AddSubmenu(menu, QStringLiteral("Headings1"), QStringLiteral("Headings"));
  for (int n = 1; n <= 6; ++n) {
    const QString caption = QStringLiteral("H%1 - Size %1").arg(n);
    // The first word of the caption is the tag, as for the user's own tag menus.
    const QString tag =
        QLatin1Char('<') + caption.section(QLatin1Char(' '), 0, 0) + QLatin1Char('>');
    Add(headings, QStringLiteral("H%1Size%1").arg(n), caption,
        [&t, tag] { t.InsertSelected(tag); });
  }

  QMenu* separators = AddSubmenu(menu, QStringLiteral("Separators1"), QStringLiteral("Separators"));
  Add(separators, QStringLiteral("HRHorizontalBar1"), QStringLiteral("HR - Horizontal Bar"),
      [&t] { t.InsertText(QStringLiteral("<HR>")); });
  QMenu* paragraph = AddSubmenu(separators, QStringLiteral("ParagraphMarker1"),
                                QStringLiteral("Paragraph Marker"));
  Add(
      paragraph, QStringLiteral("P1"), QStringLiteral("<P></P>"), [&t] { t.ParagraphMenuClick(); },
      QKeySequence(QStringLiteral("Ctrl+P")));
  const struct {
    const char* Name;
    const char* Caption;
  } aligned[] = {{"PLeft1", "<P ALIGN=\"left\"></P>"},
                 {"PCenter1", "<P ALIGN=\"center\"></P>"},
                 {"PRight1", "<P ALIGN=\"right\"></P>"}};
  for (const auto& entry : aligned) {
    const QString caption = QString::fromLatin1(entry.Caption);
    Add(paragraph, QString::fromLatin1(entry.Name), Literal(caption),
        [&t, caption] { t.InsertCaptionAsTag(caption); });
  }
  QMenu* lineBreak =
      AddSubmenu(separators, QStringLiteral("Linebreak1"), QStringLiteral("Line break"));
  const struct {
    const char* Name;
    const char* Caption;
  } breaks[] = {
      {"BR1", "<BR>"}, {"BRLeft1", "<BR CLEAR=\"left\">"}, {"BRRight1", "<BR CLEAR=\"right\">"}};
  for (const auto& entry : breaks) {
    const QString caption = QString::fromLatin1(entry.Caption);
    Add(lineBreak, QString::fromLatin1(entry.Name), Literal(caption),
        [&t, caption] { t.InsertText(caption); });
  }
  QMenu* div = AddSubmenu(separators, QStringLiteral("DIV1"), QStringLiteral("DIV"));
  const struct {
    const char* Name;
    const char* Caption;
  } divisions[] = {{"DIVNone1", "<DIV></DIV>"},
                   {"DIVLeft1", "<DIV ALIGN=\"left\"></DIV>"},
                   {"DIVCenter1", "<DIV ALIGN=\"center\"></DIV>"},
                   {"DIVRight1", "<DIV ALIGN=\"right\"></DIV>"}};
  for (const auto& entry : divisions) {
    const QString caption = QString::fromLatin1(entry.Caption);
    Add(div, QString::fromLatin1(entry.Name), Literal(caption),
        [&t, caption] { t.InsertCaptionAsTag(caption); });
  }
  Add(
      separators, QStringLiteral("NonBreakingSpace1"),
      QStringLiteral("Non-breaking space (&&nbsp;)"),
      [&t] { t.InsertText(QStringLiteral("&nbsp;")); },
      QKeySequence(QStringLiteral("Ctrl+Alt+Space")));

  QMenu* now =
      AddSubmenu(menu, QStringLiteral("CurrentDateTime1"), QStringLiteral("Current Date/Time"));
  Add(now, QStringLiteral("Date1"), QStringLiteral("Date"), [&t] { t.DateClick(); });
  Add(now, QStringLiteral("Time1"), QStringLiteral("Time"), [&t] { t.TimeClick(); });
  Add(now, QStringLiteral("DateTime1"), QStringLiteral("Date/Time"), [&t] { t.DateTimeClick(); });
}

void TagMenus::BuildWebPagePopup() {
  TagInsertion& t = Tags;
  auto* popup = new QMenu(&Form);
  popup->setObjectName(QStringLiteral("WebPagePopup"));
  Form.WebPagePopup = popup;
  QMenu* edit = AddSubmenu(popup, QStringLiteral("Edit1"), QStringLiteral("Edit"));
  Add(edit, QStringLiteral("TableCell1"), QStringLiteral("Table Cell"),
      [&t] { t.InsertSelected2(QStringLiteral("<TD>"), QStringLiteral("</TD>")); });
  Add(edit, QStringLiteral("UnorderedListItem1"), QStringLiteral("Unordered List Item"),
      [&t] { t.UOListItem(); });

  EditorSurface* page = Form.WebPage;
  page->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(page, &QWidget::customContextMenuRequested, &Tags,
                   [page, popup](const QPoint& at) { popup->popup(page->mapToGlobal(at)); });
}
