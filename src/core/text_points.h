#pragma once

#include <QString>

// Where text lands in an editor whose lines count from 1 and columns from 0.

// The first line end of a text: "\r\n", "\r" or "\n"; empty when it has none.
QString LineBreakOf(const QString& text);

// Every line end of `text` (CR LF, a lone CR or a lone LF) written as `lineBreak`.
QString WithLineBreaks(const QString& text, const QString& lineBreak);

struct TextPoint {
  int Line = 1;
  int Col = 0;
  bool operator==(const TextPoint& o) const { return Line == o.Line && Col == o.Col; }
};

// The point just after `text` when it is inserted at `start` (CR LF counts as one break).
TextPoint PointAfter(TextPoint start, const QString& text);

// The earlier of two points.
TextPoint EarlierPoint(TextPoint a, TextPoint b);
