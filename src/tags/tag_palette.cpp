#include "tags/tag_palette.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "platform/editor_surface.h"
#include "shell/tform1.h"
#include "tags/palette_combo_box.h"
#include "tags/tag_insertion.h"

void TagPalette::Build(QWidget* fontTab, QWidget* formatTab, QWidget* listsTab, QWidget* aspTab) {
  BuildFontTab(fontTab);
  BuildFormatTab(formatTab);
  BuildListsTab(listsTab);
  BuildAspTab(aspTab);
}

QHBoxLayout* TagPalette::Row(QWidget* tab) {
  if (auto* row = qobject_cast<QHBoxLayout*>(tab->layout())) return row;
  auto* row = new QHBoxLayout(tab);
  row->setContentsMargins(2, 1, 2, 1);
  row->setSpacing(1);
  row->addStretch(1);
  return row;
}

QToolButton* TagPalette::AddButton(QWidget* tab, const QString& name, const QString& label,
                                   const QString& hint, const std::function<void()>& click) {
  auto* button = new QToolButton(tab);
  button->setObjectName(name);
  button->setText(label);
  button->setToolTip(hint);
  button->setStatusTip(hint);
  button->setAccessibleName(hint);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  if (click) QObject::connect(button, &QToolButton::clicked, &Tags, [click] { click(); });
  QHBoxLayout* row = Row(tab);
  row->insertWidget(row->count() - 1, button);  // before the closing stretch
  return button;
}

void TagPalette::BuildFontTab(QWidget* tab) {
  TagInsertion& t = Tags;
  auto styled = [](QToolButton* button, void (QFont::*set)(bool)) {
    QFont font = button->font();
    (font.*set)(true);
    button->setFont(font);
  };
  styled(
      AddButton(tab, QStringLiteral("BoldBtn"), QStringLiteral("B"), QStringLiteral("Insert Bold"),
                [&t] { t.InsertSelected(QStringLiteral("<B>")); }),
      &QFont::setBold);
  styled(AddButton(tab, QStringLiteral("ItalicBtn"), QStringLiteral("I"),
                   QStringLiteral("Insert Italics"),
                   [&t] { t.InsertSelected(QStringLiteral("<I>")); }),
         &QFont::setItalic);
  styled(AddButton(tab, QStringLiteral("UnderlineBtn"), QStringLiteral("U"),
                   QStringLiteral("Insert underline"),
                   [&t] { t.InsertSelected(QStringLiteral("<U>")); }),
         &QFont::setUnderline);
  AddButton(tab, QStringLiteral("SubscriptBtn"), QStringLiteral("Sub"),
            QStringLiteral("Insert Subscript"),
            [&t] { t.InsertSelected(QStringLiteral("<SUB>")); });
  AddButton(tab, QStringLiteral("SuperscriptBtn"), QStringLiteral("Sup"),
            QStringLiteral("Insert Superscript"),
            [&t] { t.InsertSelected(QStringLiteral("<SUP>")); });
  AddButton(tab, QStringLiteral("CenterBtn"), QStringLiteral("Center"),
            QStringLiteral("Center item"), [&t] { t.InsertSelected(QStringLiteral("<CENTER>")); });
  AddButton(tab, QStringLiteral("FontPlus"), QStringLiteral("A+"),
            QStringLiteral("Increase font size"), [&t] { t.FontSizeStepClick(true); });
  AddButton(tab, QStringLiteral("FontMinus"), QStringLiteral("A-"),
            QStringLiteral("Decrease font size"), [&t] { t.FontSizeStepClick(false); });

  QHBoxLayout* row = Row(tab);
  auto addCombo = [&](const QString& name, const QString& hint, bool screenFonts) {
    auto* combo = new PaletteComboBox(screenFonts, tab);
    combo->setObjectName(name);
    combo->setToolTip(hint);
    combo->setStatusTip(hint);
    combo->setAccessibleName(hint);
    row->insertWidget(row->count() - 1, combo);
    return combo;
  };
  PaletteComboBox* size =
      addCombo(QStringLiteral("FontSize"), QStringLiteral("Insert font size tag"), false);
  for (int n = 1; n <= 7; ++n) size->addItem(QString::number(n));
  size->setCurrentText(QStringLiteral("3"));
  PaletteComboBox* faces =
      addCombo(QStringLiteral("ScreenFonts"), QStringLiteral("Insert font name tag"), true);
  faces->setPlaceholderText(QStringLiteral("Font name"));
  faces->setMinimumContentsLength(14);
  faces->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  // After a choice the user goes on typing in the page.
  EditorSurface* page = Form.WebPage;
  for (PaletteComboBox* combo : {size, faces}) {
    const bool isSize = combo == size;
    auto act = [&t, page, isSize](const QString& text) {
      if (isSize)
        t.FontSizeChange(text);
      else
        t.ScreenFontsChange(text);
      page->setFocus();
    };
    QObject::connect(combo, &QComboBox::textActivated, &Tags, act);
    QObject::connect(combo, &PaletteComboBox::DoubleClicked, &Tags, act);
  }

  AddButton(tab, QStringLiteral("FontColorBtn"), QStringLiteral("Color"),
            QStringLiteral("Insert font color tag"), [&t] { t.FontColorClick(); });
  AddButton(tab, QStringLiteral("FontDialogBtn"), QStringLiteral("Font..."),
            QStringLiteral("Open Font Dialog Box"), [&t] { t.FontDialogClick(); });
  AddButton(tab, QStringLiteral("CommentBtn"), QStringLiteral("<!>"),
            QStringLiteral("Insert a comment tag"),
            [&t] { t.InsertSelected2(QStringLiteral("<!--"), QStringLiteral("-->")); });
}

void TagPalette::AddFormatPair(QWidget* tab, const QString& tagName, const QString& name,
                               const QString& hint, const std::function<void()>& click) {
  AddButton(tab, name, tagName, hint, click);
  QToolButton* arrow = AddButton(tab, tagName + QStringLiteral("Arrow"), QString(), tagName, {});
  arrow->setArrowType(Qt::DownArrow);
  arrow->setMaximumWidth(14);
  TagInsertion& t = Tags;
  QObject::connect(arrow, &QToolButton::clicked, &Tags,
                   [&t, tagName, arrow] { t.LCRArrowClick(tagName, *arrow); });
}

void TagPalette::BuildFormatTab(QWidget* tab) {
  TagInsertion& t = Tags;
  for (int n = 1; n <= 6; ++n) {
    const QString tag = QStringLiteral("H%1").arg(n);
    AddFormatPair(tab, tag, tag + QStringLiteral("Btn"), QStringLiteral("Insert heading this size"),
                  [&t, tag] { t.InsertSelected(QLatin1Char('<') + tag + QLatin1Char('>')); });
  }
  AddFormatPair(tab, QStringLiteral("DIV"), QStringLiteral("DivBtn"), QStringLiteral("DIV"),
                [&t] { t.InsertSelected(QStringLiteral("<DIV>")); });
  AddFormatPair(tab, QStringLiteral("P"), QStringLiteral("ParagraphBtn"),
                QStringLiteral("Insert Paragraph marker"), [&t] { t.ParagraphBtnClick(); });
  AddFormatPair(tab, QStringLiteral("BR"), QStringLiteral("BRBtn"),
                QStringLiteral("Insert line break"),
                [&t] { t.InsertText(QStringLiteral("<BR>")); });
  AddFormatPair(tab, QStringLiteral("HR"), QStringLiteral("HRBtn"),
                QStringLiteral("Insert horizontal bar"),
                [&t] { t.InsertText(QStringLiteral("<HR>")); });
}

void TagPalette::BuildListsTab(QWidget* tab) {
  TagInsertion& t = Tags;
  AddButton(tab, QStringLiteral("BulletBtn"), QStringLiteral("\u2022 LI"),
            QStringLiteral("Insert bullet mark"), [&t] { t.UOListItem(); });
}

void TagPalette::BuildAspTab(QWidget* tab) {
  TagInsertion& t = Tags;
  const struct {
    const char* Name;
    const char* Label;
    const char* Hint;
    const char* Opening;
    const char* Closing;  // nullptr: insert the opening text alone
  } buttons[] = {
      {"AspScriptBtn", "%", "<% %>", "<% ", " %>"},
      {"AspValueBtn", "=", "<% = %>", "<% =", " %>"},
      {"AspITEBtn", "ITE", "<% If ... Then ... End If%>", "<% If ... Then %>\r", "\r<% End If %>"},
      {"AspIfBtn", "If", "<% If  ... Then %>", "<% If ", " Then %>"},
      {"AspEndBtn", "End", "<% End If %>", "<% End If %>", nullptr},
      {"AspElseBtn", "Else", "<% Else %>", "<% Else %>", nullptr},
      {"AspElseIfBtn", "E..I", "<% Else If ... Then %>", "<% Else If ", " Then %>"},
      {"AspLoopBtn", "Loop", "<% While ...%> <% Loop %>", "\r<% While ... %>\r", "\r<% Loop %>\r"},
  };
  for (const auto& b : buttons) {
    const QString opening = QString::fromLatin1(b.Opening);
    const bool wraps = b.Closing != nullptr;
    const QString closing = wraps ? QString::fromLatin1(b.Closing) : QString();
    AddButton(tab, QString::fromLatin1(b.Name), QString::fromLatin1(b.Label),
              QString::fromLatin1(b.Hint), [&t, opening, closing, wraps] {
                if (wraps)
                  t.InsertSelected2(opening, closing);
                else
                  t.InsertText(opening);
              });
  }
}
