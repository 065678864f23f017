#include "core/tag_snippets.h"

QString ClosingTagOf(const QString& openingTag) {
  QString closing = openingTag;
  return closing.insert(std::min<qsizetype>(1, closing.size()), QLatin1Char('/'));
}

TagPair CaptionAsTag(const QString& caption) {
  const qsizetype end = caption.indexOf(QLatin1Char('>')) + 1;  // 0 when there is none
  return {caption.left(end), caption.mid(end)};
}

namespace {
QString Bracketed(const QString& text) {
  // An empty side stays empty: "<>" would only put a stray pair of brackets in the page.
  if (text.isEmpty() || text.contains(QLatin1Char('<'))) return text;
  return QLatin1Char('<') + text + QLatin1Char('>');
}
}  // namespace

TagPair UnevenTags(const QString& entry) {
  const qsizetype dots = entry.indexOf(QStringLiteral(".."));
  if (dots < 0) return {Bracketed(entry), QString()};
  const QString opening = entry.left(dots);
  const qsizetype afterDots = dots + 2;
  // The comment starts one character before the first hyphen (" - comment").
  const qsizetype hyphen = entry.indexOf(QLatin1Char('-'));
  QString closing;
  if (hyphen > 0 && hyphen - 1 > afterDots) closing = entry.mid(afterDots, hyphen - 1 - afterDots);
  if (closing.isEmpty()) closing = entry.mid(afterDots);
  return {Bracketed(opening), Bracketed(closing)};
}

AlignmentAction AlignmentActionOf(const QString& tagName) {
  return tagName == QLatin1String("BR") ? AlignmentAction::Insert : AlignmentAction::Wrap;
}

QStringList AlignmentEntries(const QString& tagName) {
  QStringList patterns;
  if (tagName == QLatin1String("BR"))
    patterns = {QStringLiteral("<%s>"), QStringLiteral("<%s CLEAR=\"left\">"),
                QStringLiteral("<%s CLEAR=\"all\">"), QStringLiteral("<%s CLEAR=\"right\">")};
  else if (tagName == QLatin1String("HR"))
    patterns = {QStringLiteral("<%s>"),
                QStringLiteral("<%s ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%%\">"),
                QStringLiteral("<%s ALIGN=\"center\" SIZE=\"2\" WIDTH=\"100%%\">"),
                QStringLiteral("<%s ALIGN=\"right\" SIZE=\"2\" WIDTH=\"100%%\">")};
  else
    patterns = {QStringLiteral("<%s></%s>"), QStringLiteral("<%s ALIGN=\"left\"></%s>"),
                QStringLiteral("<%s ALIGN=\"center\"></%s>"),
                QStringLiteral("<%s ALIGN=\"right\"></%s>")};
  QStringList entries;
  for (const QString& pattern : patterns) entries << FormatTagPattern(pattern, tagName);
  return entries;
}

QString FormatTagPattern(const QString& pattern, const QString& tagName) {
  QString result;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size()) {
      if (pattern[i + 1] == QLatin1Char('s')) {
        result += tagName;
        ++i;
        continue;
      }
      if (pattern[i + 1] == QLatin1Char('%')) {
        result += QLatin1Char('%');
        ++i;
        continue;
      }
    }
    result += pattern[i];
  }
  return result;
}

TagPair FontDialogTags(const FontChoice& font, const QString& colorHex) {
  TagPair tags{QStringLiteral("<FONT FACE=\"%1\" SIZE=\"%2\" COLOR=\"#%3\">")
                   .arg(font.Face.left(31))
                   .arg(font.Size)
                   .arg(colorHex),
               QStringLiteral("</FONT>")};
  const struct {
    bool On;
    const char* Letter;
  } styles[] = {{font.Bold, "B"}, {font.Italic, "I"}, {font.Underline, "U"}, {font.StrikeOut, "S"}};
  for (const auto& style : styles) {
    if (!style.On) continue;
    const QString letter = QString::fromLatin1(style.Letter);
    tags.Opening.prepend(QLatin1Char('<') + letter + QLatin1Char('>'));
    tags.Closing.append(QStringLiteral("</") + letter + QLatin1Char('>'));
  }
  return tags;
}

QStringList BasicTagInsertions() {
  return {QStringLiteral("<HTML>"),
          QStringLiteral("\r<HEAD>"),
          QStringLiteral("\r<TITLE>Web page Title</TITLE>"),
          QStringLiteral("\r</HEAD>"),
          QStringLiteral("\r<BODY>"),
          QStringLiteral("\r"),
          QStringLiteral("\r</BODY>"),
          QStringLiteral("\r</HTML>")};
}

QString LinesText(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

QString CaretDateText(const QDate& date, const QLocale& locale) {
  return QLatin1Char(' ') + locale.toString(date, QLocale::ShortFormat) + QLatin1Char(' ');
}

QString CaretTimeText(const QTime& time, const QLocale& locale) {
  return QLatin1Char(' ') + locale.toString(time, QLocale::LongFormat) + QLatin1Char(' ');
}

QString CaretDateTimeText(const QDateTime& moment, const QLocale& locale) {
  return QLatin1Char(' ') + locale.toString(moment.date(), QLocale::ShortFormat) +
         QLatin1Char('/') + locale.toString(moment.time(), QLocale::LongFormat) + QLatin1Char(' ');
}
