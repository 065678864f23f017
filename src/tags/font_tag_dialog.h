#pragma once

#include <QDialog>

#include "core/color_value.h"
#include "core/tag_snippets.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;

// The font dialog of the Font tab: a face, one of the HTML font sizes 1 to 7, the
// styles, and a colour from the basic colours or the desktop's window-text colour.
class FontTagDialog : public QDialog {
  Q_OBJECT

 public:
  FontTagDialog(const FontChoice& font, ColorValue color, QWidget* parent = nullptr);

  FontChoice Choice() const;
  ColorValue Color() const;

  // The controls, for whoever plays the user.
  QFontComboBox* FontName;
  QComboBox* FontSizeList;
  QCheckBox* BoldBox;
  QCheckBox* ItalicBox;
  QCheckBox* UnderlineBox;
  QCheckBox* StrikeOutBox;
  QComboBox* ColorList;

 private:
  void UpdateSample();
  QLabel* Sample;
};
