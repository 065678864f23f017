#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The tips file: one entry per line. Lines 0-9 are the helper notes 1-10, the lines
// from 10 up to the one before last are the tips shown in turn, and the last line is
// never shown. An entry's first character picks its heading; the rest is its text, in
// which "%s" marks a line break.
class TipList {
 public:
  static constexpr int FirstTip = 10;
  static constexpr int MaxTextLength = 255;
  static constexpr int MaxLineBreaks = 5;

  TipList() = default;
  explicit TipList(QStringList lines) : Lines(std::move(lines)) {}

  // Splits on CR LF, CR or LF; a line end after the last line adds no empty entry.
  // Bytes that are not valid UTF-8 are read as Latin-1, as older tips files were written.
  static TipList Parse(const QByteArray& bytes);

  int Count() const { return Lines.size(); }
  // Ten notes, at least one tip and the closing line; anything shorter has no sensible
  // stepping and counts as no tips at all.
  bool Usable() const { return Count() >= FirstTip + 2; }

  // Empty for an index outside the list.
  QString Heading(int index) const;
  QString Text(int index) const;

  // The index after one step. Stepping back in tip mode never enters the notes, and
  // running off either end lands on the first tip.
  int Step(int index, bool forward, bool tipMode) const;

  static QString HeadingFor(QChar selector);

  QStringList Lines;
};
