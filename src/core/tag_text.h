#pragma once

#include <QString>

// Small readers of HTML source text shared by the tag, body, template and evaluation
// code. They take the text as it stands: no parsing, no entity decoding.

// Splits `text` at every `separator` and returns field `n` (field 0 is the text before
// the first separator); a field that does not exist is empty.
QString ExtractField(const QString& text, QChar separator, int n);

// The value of the attribute whose name begins at `position` (counted from 1) of `text`:
// the text after the next "=" (and after a double quote right behind it) up to a blank,
// double quote or ">". Empty when no "=" follows, and for a value that is a lone quote
// (as in SRC=""). Apostrophes are kept as part of the value.
QString GetAttributeValue(const QString& text, int position);

// The title between the first ">" and the next "<" of a selected title element.
QString TitleOfElement(const QString& element);

// Where the page title stands, found as the editor finds it (ignoring letter case):
// the first "<TITLE>" and the first "</TITLE>" after it. Without a title element the
// selection is empty: right after the first "<head>" or, failing that, at the top.
// Lines count from 1 and columns from 0, as the editor counts them.
struct TitleSearch {
  QString Title;
  bool Found = false;  // a whole title element is selected
  int StartLine = 1;
  int StartCol = 0;
  int EndLine = 1;
  int EndCol = 0;
};
TitleSearch GetTitleText(const QString& pageText);

// Lower-cases ASCII letters only, so that every position stays where it was.
QString AsciiLower(const QString& text);
