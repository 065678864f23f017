#pragma once

#include <QDialog>

#include "core/body_settings.h"

class HtmlViewer;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class TForm1;

// "Body Settings": edits the colours, background image and margins of the page's BODY
// start tag, starting from what the main window last read from the page.
class TBodyForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBodyForm(TForm1& form);

  // The five colour radios: text, link, visited link, active link, background.
  enum ColorRadio { TextRadio, LinkRadio, VLinkRadio, ALinkRadio, BackgroundRadio, RadioCount };

  QRadioButton* Radios[RadioCount] = {};
  QScrollBar* RBar = nullptr;
  QScrollBar* GBar = nullptr;
  QScrollBar* BBar = nullptr;
  QLabel* RLabel = nullptr;
  QLabel* GLabel = nullptr;
  QLabel* BLabel = nullptr;
  QPushButton* GetColor = nullptr;
  QSpinBox* TopMargin = nullptr;
  QSpinBox* BottomMargin = nullptr;
  QSpinBox* LeftMargin = nullptr;
  QSpinBox* RightMargin = nullptr;
  QCheckBox* FixedBackground = nullptr;
  HtmlViewer* Preview = nullptr;

  ColorValue RadioColor(int radio) const { return Colors[radio]; }
  const QString& BackgroundImage() const { return Image; }
  // The HTML the preview shows.
  QString PreviewHtml() const;

  void FormShow();
  void RadioClick(int radio);
  void GetColorClick();
  void ScrollBarChange();
  void LoadBackgroundClick();
  void ClearBackgroundClick();
  void LoadDefaultsClick();
  void OkClick();

 private:
  void SetRadioColor(int radio, ColorValue color);
  void SetBars(ColorValue color);
  ColorValue BarsColor() const;
  void RefreshPreview();

  TForm1& Form;
  ColorValue Colors[RadioCount] = {};
  QString Image;
  bool SettingBars = false;
};
