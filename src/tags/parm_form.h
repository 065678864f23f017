#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class TForm1;

// "Parameter Selections": one window for the whole run with a page per job (an ALIGN,
// VALIGN or SIZE attribute, a META, EMBED or PARAM tag); it writes its tag at the caret
// and keeps its inputs between uses.
class TParmForm : public QDialog {
  Q_OBJECT

 public:
  explicit TParmForm(TForm1& form);

  // Shows the page of that name ("align", "valign", "size", "meta", "embed", "object",
  // "Parameter").
  void SetPage(const QString& page);
  QString PageName() const;

  QStackedWidget* Notebook = nullptr;
  QComboBox* alignlist = nullptr;
  QComboBox* valignlist = nullptr;
  QComboBox* sizelist = nullptr;
  QLineEdit* MetaName = nullptr;
  QLineEdit* MetaContent = nullptr;
  QComboBox* MetaHTTPEquiv = nullptr;
  QLineEdit* EmbedSrc = nullptr;
  QToolButton* EmbedBrowse = nullptr;
  QSpinBox* EmbedHeight = nullptr;
  QSpinBox* EmbedWidth = nullptr;
  QLineEdit* PName = nullptr;
  QLineEdit* PValue = nullptr;

  // Presets the inputs from the editor's current text.
  void FormShow();
  void OkClick();
  void EmbedBrowseClick();

 private:
  TForm1& Form;
};
