#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// The texts the tag commands put into a page. Snippets break lines with a single
// carriage return; the editor turns it into its own line break on insertion.

// An opening and a closing text wrapped round a selection.
struct TagPair {
  QString Opening;
  QString Closing;
  bool operator==(const TagPair& o) const { return Opening == o.Opening && Closing == o.Closing; }
};

// "<B>" gives "</B>": a "/" after the first character, attributes and all.
QString ClosingTagOf(const QString& openingTag);

// Split after the first ">": "<P ALIGN="left"></P>" wraps in <P ALIGN="left"> and </P>;
// a single tag goes in front with an empty closing text.
TagPair CaptionAsTag(const QString& caption);

// An uneven tag entry: opening text, "..", closing text, optionally " - comment". Tags
// may be written without their angle brackets.
TagPair UnevenTags(const QString& entry);

// The four entries of the alignment pop-up of a Format tab arrow ("P", "DIV", "H1" to
// "H6", "BR", "HR"), and how choosing one inserts it.
enum class AlignmentAction { Wrap, Insert };
QStringList AlignmentEntries(const QString& tagName);
AlignmentAction AlignmentActionOf(const QString& tagName);
// A pattern with every "%s" standing for `tagName` and "%%" for "%".
QString FormatTagPattern(const QString& pattern, const QString& tagName);

// What the font dialog gives back.
struct FontChoice {
  QString Face;
  int Size = 3;  // HTML font size, 1 to 7
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
};
// The FONT element of a font choice, styles nested outside it in the order bold, italic,
// underline, strike-out (the last one outermost).
TagPair FontDialogTags(const FontChoice& font, const QString& colorHex);

// The standard page skeleton as its eight consecutive insertions.
QStringList BasicTagInsertions();

// A list of lines as one text, every line followed by CR LF.
QString LinesText(const QStringList& lines);

// The caret-time commands: " " + date + " " and so on, in the short date and long time
// formats of `locale`.
QString CaretDateText(const QDate& date, const QLocale& locale);
QString CaretTimeText(const QTime& time, const QLocale& locale);
QString CaretDateTimeText(const QDateTime& moment, const QLocale& locale);
