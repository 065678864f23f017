#pragma once

#include <QObject>
#include <QString>

#include "core/body_settings.h"

class EditorSurface;
class QLabel;
class TForm1;
class TParmForm;

// The tag context of the caret in the page editor: the TAG and BODY lights, the title and
// last-modified commands, saving and restoring the editor's position, and the double-click
// on an attribute or a BODY tag that opens the chooser editing it.
class SourceContext : public QObject {
  Q_OBJECT

 public:
  enum class LightColor { Neutral, Green, Red, Yellow };

  struct CursorLocation {
    int FirstLine = 1;
    int FirstCol = 0;
    int StartLine = 1;
    int StartCol = 0;
    int EndLine = 1;
    int EndCol = 0;
  };

  explicit SourceContext(TForm1& form);
  ~SourceContext() override;

  // The commands of this service in the Edit and Page menus.
  void BuildCommands();

  void GetCursorLocation(CursorLocation& location) const;
  void SetCursorLocation(const CursorLocation& location);

  bool InATag() const;
  // The click check ("Check Cursor Position"): sets both lights.
  void WebPageClick();
  LightColor InATagLight() const { return TagLight; }
  LightColor InABodyLight() const { return BodyLight; }

  // Finds `opening` forward from the selection, then `closing` after it, and selects
  // both with what lies between.
  bool HighlightTag(const QString& opening, const QString& closing);
  void GoToTop();
  // Leaves the selection on the title element, or where a new one belongs.
  void GetTitleText(QString& title);
  void Title1Click();
  void SetLastModifiedDate();

  // The double-click on a word of the page editor or the internal clipboard.
  void WebPageDblClick(EditorSurface& editor);
  // Copies a file beside the current page, never over a file already there.
  void CopyToPageDirectory(const QString& fileName);
  // The directory of the page in the editor, ending without "/".
  QString PageDirectory() const;

  // "&Body Statement...": reads the page's BODY tag and opens the body dialog on it.
  void BodyStatementClick();
  // The parameter dialog, shown modally on one of its pages.
  TParmForm& ParmForm() const { return *Parms; }
  void ShowParmForm(const QString& page);
  void MetaTag1Click();
  // "SafeSurf Rating": the rating dialog on the page's label, or where a new one belongs.
  void SafeSurfRatingClick();
  // What the page's BODY tag last said, and what the colour double-click chose.
  PageBodySettings BodySettings;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLights();
  void SetLight(QLabel* light, LightColor color);
  bool ChooseColor(EditorSurface& editor, const QString& word);
  void ChooseFile(EditorSurface& editor, const QString& attribute);
  void Replace(EditorSurface& editor, const QString& text);
  void WebPageFindBrace(int position);

  TForm1& Form;
  QLabel* TagLightWidget = nullptr;
  QLabel* BodyLightWidget = nullptr;
  LightColor TagLight = LightColor::Neutral;
  LightColor BodyLight = LightColor::Neutral;
  TParmForm* Parms = nullptr;
};
