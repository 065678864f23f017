#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/color_value.h"
#include "core/tag_snippets.h"
#include "tags/shared_color_dialog.h"

class EditorSurface;
class QMenu;
class QWidget;
class TForm1;

// Puts HTML into the page: text at the caret, or an opening and a closing text round the
// selection, with the caret placed for the next keystroke; marks the page changed and
// brings the preview up to date. Every command and dialog that writes tags into the page
// editor goes through here.
class TagInsertion : public QObject {
  Q_OBJECT

 public:
  explicit TagInsertion(TForm1& form);
  ~TagInsertion() override;

  // The full-screen preview is shown while the splitter holding the editor is hidden.
  bool FullScreenShown() const;

  // The primitives.
  void InsertText(const QString& text);
  void InsertSelected(const QString& openingTag);
  void InsertSelected2(const QString& opening, const QString& closing);
  void InsertCaptionAsTag(const QString& caption);
  void CreateUnevenTags(const QString& entry);
  // The click modes of a custom palette button; its hint (tool tip) holds the data.
  void ButtonInsertAsIs(const QWidget& button);
  void ButtonInsertEven(const QWidget& button);
  void ButtonInsertUnEven(const QWidget& button);
  void UOListItem();
  void InsertBasicTags();
  void InsertLines(const QStringList& lines, EditorSurface& editor);

  // Commands built on them.
  void FontSizeStepClick(bool enlarge);
  void FontSizeChange(const QString& size);
  void ScreenFontsChange(const QString& face);
  void FontColorClick();
  void FontDialogClick();
  void ParagraphBtnClick();
  void ParagraphMenuClick();
  void DateClick();
  void TimeClick();
  void DateTimeClick();
  void Include1Click();
  // An arrow of the Format tab: fills LCRPopup for the tag and shows it below the arrow.
  void LCRArrowClick(const QString& tagName, QWidget& arrow);

  // The shared colour dialog of the main window.
  SharedColorDialog ColorBox;
  // The alignment pop-up of the Format tab arrows.
  QMenu* LCRPopup;
  // What the font dialog shows next time: the last font confirmed.
  FontChoice LastFont;
  ColorValue LastFontColor = SystemColor(SysWindowText);
  // The clock of the caret-time commands.
  std::function<QDateTime()> Now = &QDateTime::currentDateTime;

 private:
  bool PageReady() const;
  void PageChanged();
  void LCRPopupChoose(const QString& entry);
  TForm1& Form;
  QString LCRTag;
};
