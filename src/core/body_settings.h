#pragma once

#include <QString>

#include "core/color_value.h"

// The body colours, background image and margins the main window last saw in a page.
struct PageBodySettings {
  ColorValue Text = 0;
  ColorValue Link = 0;
  ColorValue VLink = 0;
  ColorValue ALink = 0;
  ColorValue Background = 0;
  QString BackgroundImage;  // as written in the page, or a full path chosen in the dialog
  int TopMargin = -1;       // -1: not set
  int BottomMargin = -1;
  int LeftMargin = -1;
  int RightMargin = -1;
  bool FixedBackground = false;
};

// Reads a BODY start tag into `settings`: margins and image are reset, colours not in the
// tag keep their values. Each attribute is taken at its first occurrence anywhere in the
// tag, so "LINK=" may be found inside "VLINK=". A colour that is not hexadecimal or a
// margin that is not a number throws std::invalid_argument with the conversion message,
// and `settings` is then left as it was.
void SetBodyVars(const QString& tag, PageBodySettings& settings);

// The BODY start tag the body dialog writes; `hex` turns a colour into its six digits.
// The background image is written without its directory.
QString BuildBodyTag(const PageBodySettings& settings, QString (*hex)(ColorValue));
