#include "tags/source_context.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <stdexcept>

#include "core/source_context_text.h"
#include "core/tag_text.h"
#include "platform/editor_surface.h"
#include "platform/prompts.h"
#include "shell/page_documents.h"
#include "shell/preview.h"
#include "shell/tform1.h"
#include "tags/body_form.h"
#include "tags/desktop_colors.h"
#include "tags/parm_form.h"
#include "tags/safesurf_form.h"
#include "tags/tag_insertion.h"

namespace {

const char* const TagLightHint =
    "If color is GREEN then you are inside TAG.  If it is RED then you are outside of a TAG.";
const char* const BodyLightHint =
    "If color is GREEN then you are inside the BODY tag.  If it is RED then you are outside "
    "of the BODY tag";

void UseTagWords(EditorSurface& editor) {
  const QByteArray words = EditorWordCharacters();
  editor.SendScintilla(QsciScintillaBase::SCI_SETWORDCHARS, 0UL, words.constData());
}

}  // namespace

SourceContext::SourceContext(TForm1& form) : Form(form) {
  BuildLights();
  Parms = new TParmForm(form);
  for (EditorSurface* editor : {Form.WebPage, Form.SpareEditor}) {
    UseTagWords(*editor);
    // The handler may open dialogs: it runs once the editor has finished the click.
    connect(editor, &QsciScintillaBase::SCN_DOUBLECLICK, this, [this, editor](int, int, int) {
      QTimer::singleShot(0, this, [this, editor] { WebPageDblClick(*editor); });
    });
  }
  Form.WebPage->viewport()->installEventFilter(this);
  connect(Form.WebPage, &QsciScintilla::cursorPositionChanged, this,
          [this](int, int) { WebPageFindBrace(0); });
}

SourceContext::~SourceContext() = default;

void SourceContext::BuildCommands() {
  auto add = [this](const char* menuName, const QString& name, const QString& caption,
                    const QKeySequence& shortcut, void (SourceContext::*handler)()) {
    auto* action = new QAction(caption, &Form);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    if (auto* menu = Form.findChild<QMenu*>(QString::fromLatin1(menuName))) menu->addAction(action);
    Form.RegisterCommand(action);
  };
  add("Edit", QStringLiteral("Title1"), QStringLiteral("&Title..."),
      QKeySequence(Qt::SHIFT | Qt::Key_F2), &SourceContext::Title1Click);
  add("Edit", QStringLiteral("UpdateLastModifiedTag1"), QStringLiteral("Update Last Modified Tag"),
      QKeySequence(Qt::CTRL | Qt::Key_M), &SourceContext::SetLastModifiedDate);
  add("Edit", QStringLiteral("EditBodyStatement"), QStringLiteral("&Body Statement..."),
      QKeySequence(Qt::SHIFT | Qt::Key_F1), &SourceContext::BodyStatementClick);
  add("Edit", QStringLiteral("MetaTag1"), QStringLiteral("Meta Tag..."),
      QKeySequence(Qt::SHIFT | Qt::Key_F3), &SourceContext::MetaTag1Click);
  auto page = [this](const QString& name) { return [this, name] { ShowParmForm(name); }; };
  auto addPage = [&](const char* menuName, const QString& name, const QString& caption,
                     const QString& parmPage) {
    auto* action = new QAction(caption, &Form);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, page(parmPage));
    if (auto* menu = Form.findChild<QMenu*>(QString::fromLatin1(menuName))) menu->addAction(action);
    Form.RegisterCommand(action);
  };
  addPage("HTMLCodes", QStringLiteral("Meta1"), QStringLiteral("Meta..."), QStringLiteral("meta"));
  addPage("HTMLCodes", QStringLiteral("Embed1"), QStringLiteral("&Embed..."),
          QStringLiteral("embed"));
  addPage("InsertMenu", QStringLiteral("Param1"), QStringLiteral("Param..."),
          QStringLiteral("Parameter"));
  add("Edit", QStringLiteral("SafeSurfRating1"), QStringLiteral("SafeSurf Rating"),
      QKeySequence(Qt::SHIFT | Qt::Key_F4), &SourceContext::SafeSurfRatingClick);
  add("Page1", QStringLiteral("CheckCursorPosition1"), QStringLiteral("Check Cursor Position"),
      QKeySequence(Qt::CTRL | Qt::Key_F5), &SourceContext::WebPageClick);
}

// ---------------------------------------------------------------- the lights

void SourceContext::BuildLights() {
  QWidget* panel = Form.EWSPanel;
  QLayout* row = panel->layout();
  for (const char* name : {"TAG", "BODY"})
    if (auto* old = panel->findChild<QLabel*>(QString::fromLatin1(name))) {
      row->removeWidget(old);
      delete old;
    }
  auto addLight = [&](const QString& caption, const QString& name, const QString& hint) {
    auto* label = new QLabel(caption, panel);
    auto* light = new QLabel(panel);
    light->setObjectName(name);
    light->setFixedSize(16, 9);
    light->setToolTip(hint);
    light->setStatusTip(hint);
    light->setAccessibleName(caption + QLatin1Char(' ') + hint);
    label->setBuddy(light);
    label->setToolTip(hint);
    row->addWidget(label);
    row->addWidget(light);
    SetLight(light, LightColor::Neutral);
    return light;
  };
  TagLightWidget = addLight(QStringLiteral("TAG:"), QStringLiteral("InATagLight"),
                            QString::fromLatin1(TagLightHint));
  BodyLightWidget = addLight(QStringLiteral("BODY:"), QStringLiteral("InABodyLight"),
                             QString::fromLatin1(BodyLightHint));
}

void SourceContext::SetLight(QLabel* light, LightColor color) {
  QString fill;
  switch (color) {
    case LightColor::Neutral:
      fill = light->palette().color(QPalette::Button).name();
      break;
    case LightColor::Green:
      fill = QStringLiteral("#00ff00");
      break;
    case LightColor::Red:
      fill = QStringLiteral("#ff0000");
      break;
    case LightColor::Yellow:
      fill = QStringLiteral("#ffff00");
      break;
  }
  light->setStyleSheet(
      QStringLiteral("background-color: %1; border: 1px solid gray; border-radius: 4px;")
          .arg(fill));
  light->setProperty("lightColor", fill);
  if (light == TagLightWidget) TagLight = color;
  if (light == BodyLightWidget) BodyLight = color;
}

bool SourceContext::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Form.WebPage->viewport() && event->type() == QEvent::MouseButtonRelease &&
      Form.Settings.UseEWS)
    QTimer::singleShot(0, this, [this] { WebPageClick(); });
  return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- caret and position

void SourceContext::GetCursorLocation(CursorLocation& location) const {
  const EditorSurface& page = *Form.WebPage;
  location.FirstLine = page.FirstVisibleLine();
  location.FirstCol = page.FirstVisibleColumn();
  const EditorSurface::SelectionPoints points = page.GetSelectionPoints();
  location.StartLine = points.StartLine;
  location.StartCol = points.StartCol;
  location.EndLine = points.EndLine;
  location.EndCol = points.EndCol;
}

void SourceContext::SetCursorLocation(const CursorLocation& location) {
  EditorSurface& page = *Form.WebPage;
  page.SetFirstVisibleLine(location.FirstLine);
  page.SetFirstVisibleColumn(location.FirstCol);
  page.SetSelectionPoints(
      {location.StartLine, location.StartCol, location.EndLine, location.EndCol});
}

bool SourceContext::InATag() const {
  const EditorSurface::SelectionPoints points = Form.WebPage->GetSelectionPoints();
  const TextPoint start =
      EarlierPoint({points.StartLine, points.StartCol}, {points.EndLine, points.EndCol});
  return ::InATag(Form.WebPage->LineText(start.Line), start.Col);
}

void SourceContext::WebPageClick() {
  SetLight(TagLightWidget, LightColor::Neutral);
  SetLight(BodyLightWidget, LightColor::Neutral);
  EditorSurface& page = *Form.WebPage;
  if (page.hasSelectedText()) return;
  const EditorSurface::SelectionPoints points = page.GetSelectionPoints();
  const BodyRange range = FindBodyRange(page.WholeText());
  if (range.TwoClosingTags)
    Form.Ask().Warn(QStringLiteral(
        "It appears as if you have two closing </BODY> tags in your document.  Remember that "
        "anything appearing after the first closing tag may not display in all browsers!  It "
        "will NOT appear in this viewer."));
  SetLight(BodyLightWidget,
           InABody(range, {points.EndLine, points.EndCol}) ? LightColor::Green : LightColor::Red);
  SetLight(TagLightWidget, InATag() ? LightColor::Yellow : LightColor::Green);
}

void SourceContext::WebPageFindBrace(int) {
  EditorSurface& page = *Form.WebPage;
  int line = 0;
  int index = 0;
  page.getCursorPosition(&line, &index);
  const QString text = page.LineText(line + 1);
  const TagBraces braces = TagBracesAt(text, index);
  const long none = -1;
  if (braces.Open < 0 || braces.Close < 0) {
    page.SendScintilla(QsciScintillaBase::SCI_BRACEHIGHLIGHT, none, none);
    return;
  }
  page.SendScintilla(QsciScintillaBase::SCI_BRACEHIGHLIGHT,
                     page.positionFromLineIndex(line, braces.Open),
                     page.positionFromLineIndex(line, braces.Close));
}

// ---------------------------------------------------------------- finding elements

void SourceContext::GoToTop() { Form.WebPage->SetSelectionPoints({1, 0, 1, 0}); }

bool SourceContext::HighlightTag(const QString& opening, const QString& closing) {
  EditorSurface& page = *Form.WebPage;
  if (!page.FindForward(opening)) return false;
  const EditorSurface::SelectionPoints open = page.GetSelectionPoints();
  const TextPoint start =
      EarlierPoint({open.StartLine, open.StartCol}, {open.EndLine, open.EndCol});
  page.SetSelectionPoints({start.Line, start.Col, start.Line, start.Col});
  if (!page.FindForward(closing)) {
    page.SetSelectionPoints(open);
    return false;
  }
  const EditorSurface::SelectionPoints close = page.GetSelectionPoints();
  const bool forward = close.EndLine > close.StartLine ||
                       (close.EndLine == close.StartLine && close.EndCol >= close.StartCol);
  const TextPoint end =
      forward ? TextPoint{close.EndLine, close.EndCol} : TextPoint{close.StartLine, close.StartCol};
  page.SetSelectionPoints({start.Line, start.Col, end.Line, end.Col});
  return true;
}

void SourceContext::GetTitleText(QString& title) {
  GoToTop();
  title.clear();
  if (HighlightTag(QStringLiteral("<TITLE>"), QStringLiteral("</TITLE>"))) {
    title = TitleOfElement(Form.WebPage->SelectedText());
    return;
  }
  GoToTop();
  if (Form.WebPage->FindForward(QStringLiteral("<head>"))) {
    const EditorSurface::SelectionPoints found = Form.WebPage->GetSelectionPoints();
    Form.WebPage->SetSelectionPoints({found.EndLine, found.EndCol, found.EndLine, found.EndCol});
  }
}

void SourceContext::Title1Click() {
  if (!Form.Pages().PageOpen()) return;
  QString title;
  GetTitleText(title);
  const bool wasEmpty = title.isEmpty();
  const std::optional<QString> answer =
      Form.Ask().Input(QStringLiteral("Page Title"), QStringLiteral("New Title"), title);
  if (!answer) return;
  QString element = QStringLiteral("<TITLE>") + *answer + QStringLiteral("</TITLE>");
  if (wasEmpty) element.prepend(QLatin1Char('\r'));
  Form.Tags().InsertText(element);
}

void SourceContext::SetLastModifiedDate() {
  if (!Form.Pages().PageOpen()) return;
  EditorSurface& page = *Form.WebPage;
  GoToTop();
  if (!HighlightTag(QStringLiteral("<PAGEMODIFIED>"), QStringLiteral("</PAGEMODIFIED>"))) {
    GoToTop();
    if (page.FindForward(QStringLiteral("</BODY>"))) {
      const EditorSurface::SelectionPoints found = page.GetSelectionPoints();
      const TextPoint start =
          EarlierPoint({found.StartLine, found.StartCol}, {found.EndLine, found.EndCol});
      page.SetSelectionPoints({start.Line, start.Col, start.Line, start.Col});
    }
  }
  Form.Tags().InsertText(LastModifiedStamp(Form.Tags().Now()));
}

// ---------------------------------------------------------------- the body statement

void SourceContext::BodyStatementClick() {
  if (!Form.Pages().PageOpen()) return;
  EditorSurface& page = *Form.WebPage;
  GoToTop();
  if (HighlightTag(QStringLiteral("<BODY"), QStringLiteral(">"))) {
    try {
      SetBodyVars(page.SelectedText(), BodySettings);
    } catch (const std::invalid_argument& error) {
      Form.Ask().Fail(QString::fromUtf8(error.what()));
      return;
    }
  } else {
    GoToTop();
    if (page.FindForward(QStringLiteral("</head>"))) {
      const EditorSurface::SelectionPoints found = page.GetSelectionPoints();
      page.SetSelectionPoints({found.EndLine, found.EndCol, found.EndLine, found.EndCol});
    }
  }
  {
    TBodyForm dialog(Form);
    Form.Ask().RunModal(dialog);
  }
  Form.Previewer().UpdateWebView();
}

// ---------------------------------------------------------------- the parameter dialog

void SourceContext::ShowParmForm(const QString& page) {
  if (!Form.Pages().PageOpen()) return;
  Parms->SetPage(page);
  Parms->FormShow();
  Form.Ask().RunModal(*Parms);
}

void SourceContext::MetaTag1Click() {
  if (!Form.Pages().PageOpen()) return;
  HighlightTag(QStringLiteral("<META"), QStringLiteral(">"));
  ShowParmForm(QStringLiteral("meta"));
}

void SourceContext::SafeSurfRatingClick() {
  if (!Form.Pages().PageOpen()) return;
  EditorSurface& page = *Form.WebPage;
  GoToTop();
  if (!HighlightTag(QStringLiteral("<META http-equiv=\"PICS-Label\" content='(PICS"),
                    QStringLiteral(">")) &&
      page.FindForward(QStringLiteral("</title>"))) {
    const EditorSurface::SelectionPoints found = page.GetSelectionPoints();
    page.SetSelectionPoints({found.EndLine, found.EndCol, found.EndLine, found.EndCol});
  }
  {
    TSafeSurfForm dialog(Form);
    if (dialog.FormShow()) Form.Ask().RunModal(dialog);
  }
  Form.Previewer().UpdateWebView();
}

// ---------------------------------------------------------------- the double-click

void SourceContext::WebPageDblClick(EditorSurface& editor) {
  const QString word = editor.SelectedText();
  const QString upper = word.toUpper();
  if (word.contains(QLatin1Char('#'))) {
    ChooseColor(editor, word);
  } else if (word.mid(1, 4) == QLatin1String("BODY")) {
    if (QAction* body = Form.Command(QStringLiteral("EditBodyStatement"))) body->trigger();
  } else if (upper.startsWith(QLatin1String("ALIGN=")) ||
             upper.startsWith(QLatin1String("VALIGN=")) ||
             upper.startsWith(QLatin1String("SIZE="))) {
    ShowParmForm(upper.left(upper.indexOf(QLatin1Char('='))).toLower());
  } else {
    for (const char* attribute : {"BACKGROUND", "SRC", "LOWSRC"})
      if (upper.startsWith(QLatin1String(attribute) + QLatin1Char('='))) {
        ChooseFile(editor, QString::fromLatin1(attribute));
        break;
      }
  }
  Form.Previewer().UpdateWebView();
}

void SourceContext::Replace(EditorSurface& editor, const QString& text) {
  if (&editor == Form.WebPage) {
    Form.Tags().InsertText(text);
    return;
  }
  editor.ReplaceSelection(text);
}

bool SourceContext::ChooseColor(EditorSurface& editor, const QString& word) {
  QString value = ExtractField(word, QLatin1Char('"'), 1);
  if (value.isEmpty()) value = ExtractField(word, QLatin1Char('='), 1);
  const std::optional<ColorValue> start = HexToColor(value, Form.Ask());
  if (!start) return false;
  SharedColorDialog& box = Form.Tags().ColorBox;
  box.SetColor(*start);
  const std::optional<ColorValue> chosen = box.Execute();
  if (!chosen) return false;
  const QString text = word.left(word.indexOf(QLatin1Char('=')) + 1) + QStringLiteral("\"#") +
                       ColorToHex(*chosen) + QLatin1Char('"');
  Replace(editor, text);
  if (text.startsWith(QLatin1String("TEXT")))
    BodySettings.Text = *chosen;
  else if (text.startsWith(QLatin1String("LINK")))
    BodySettings.Link = *chosen;
  else if (text.startsWith(QLatin1String("VLINK")))
    BodySettings.VLink = *chosen;
  else if (text.startsWith(QLatin1String("ALINK")))
    BodySettings.ALink = *chosen;
  else if (text.startsWith(QLatin1String("BGCOLOR")))
    BodySettings.Background = *chosen;
  return true;
}

QString SourceContext::PageDirectory() const {
  const QString& file = Form.Pages().CurrentFileName();
  return file.isEmpty() ? QDir::cleanPath(Form.Pages().CurrentDir())
                        : QFileInfo(file).absolutePath();
}

void SourceContext::ChooseFile(EditorSurface& editor, const QString& attribute) {
  Prompts::FileRequest request;
  request.caption = QStringLiteral("Open File");
  request.filter = QStringLiteral("Images|*.GIF;*.JPG;");
  request.directory = PageDirectory();
  const std::optional<QString> chosen = Form.Ask().OpenFile(request);
  if (!chosen) return;
  const QFileInfo file(*chosen);
  Replace(editor, attribute + QStringLiteral("=\"") + file.fileName() + QLatin1Char('"'));
  if (!QDir::setCurrent(PageDirectory())) Form.Ask().Warn(QStringLiteral("Cannot find directory"));
  if (QDir::cleanPath(file.absolutePath()).compare(PageDirectory(), Qt::CaseInsensitive) != 0)
    CopyToPageDirectory(file.absoluteFilePath());
}

void SourceContext::CopyToPageDirectory(const QString& fileName) {
  const QString target = QDir(PageDirectory()).filePath(QFileInfo(fileName).fileName());
  if (QFileInfo::exists(target)) return;
  QFile::copy(fileName, target);  // a failed copy is not reported
}
