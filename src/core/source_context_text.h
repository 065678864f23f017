#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "core/text_points.h"

// Readers of the HTML around the caret: whether it stands in a tag or in the page body,
// and the small texts the tag-context commands write.

// Whether column `col` of `lineText` lies inside a tag: a ">" to the right before any
// "<", or else a "<" to the left before any ">". Only the one line is looked at.
bool InATag(const QString& lineText, int col);

// Where the page body runs, found as the editor finds text (ignoring letter case): from
// the end of the ">" that closes the first "<body" to the start of the second "</body"
// when there are two, else of the first.
struct BodyRange {
  bool HasStart = false;
  TextPoint Start;  // just after the ">" of the body start tag
  bool HasEnd = false;
  TextPoint End;  // the "<" of the closing tag
  bool TwoClosingTags = false;
};
BodyRange FindBodyRange(const QString& pageText);

// Whether the caret lies within the body range (both ends included).
bool InABody(const BodyRange& range, TextPoint caret);

// 1 + the number of `c` before `position` (counted from 1) of `text`.
int FieldIndexAt(const QString& text, int position, QChar c);

// "<PAGEMODIFIED>" + the short date, a blank and the long time (the time left out at
// exactly midnight) + "</PAGEMODIFIED>".
QString LastModifiedStamp(const QDateTime& when, const QLocale& locale = QLocale());

// What the page editor counts as a word, so that a double-click takes an attribute with
// its "=" and value (BGCOLOR="#FFFFFF", SRC="a.gif") or a tag name with its "<".
QByteArray EditorWordCharacters();

// The columns of the "<" and the ">" of the tag the caret stands in on its line, for the
// editor to show as a matching pair; -1 for a side that is not on the line.
struct TagBraces {
  int Open = -1;
  int Close = -1;
};
TagBraces TagBracesAt(const QString& lineText, int col);
