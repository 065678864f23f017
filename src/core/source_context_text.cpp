#include "core/source_context_text.h"

namespace {

TextPoint PointOf(const QString& text, qsizetype offset) {
  return PointAfter(TextPoint{}, text.left(offset));
}

bool NotAfter(TextPoint a, TextPoint b) {
  return a.Line < b.Line || (a.Line == b.Line && a.Col <= b.Col);
}

}  // namespace

bool InATag(const QString& lineText, int col) {
  if (lineText.isEmpty()) return false;
  col = qBound(0, col, int(lineText.size()));
  for (qsizetype i = col; i < lineText.size(); ++i) {
    if (lineText[i] == QLatin1Char('>')) return true;
    if (lineText[i] == QLatin1Char('<')) break;
  }
  for (qsizetype i = col - 1; i >= 0; --i) {
    if (lineText[i] == QLatin1Char('<')) return true;
    if (lineText[i] == QLatin1Char('>')) return false;
  }
  return false;
}

BodyRange FindBodyRange(const QString& pageText) {
  BodyRange range;
  // One search position runs through all the finds, as the check's search record does.
  qsizetype from = 0;
  const qsizetype body = pageText.indexOf(QLatin1String("<body"), from, Qt::CaseInsensitive);
  if (body >= 0) {
    from = body;
    const qsizetype close = pageText.indexOf(QLatin1Char('>'), from);
    if (close >= 0) {
      range.HasStart = true;
      range.Start = PointOf(pageText, close + 1);
      from = close;
    }
  }
  const qsizetype first = pageText.indexOf(QLatin1String("</body"), from, Qt::CaseInsensitive);
  if (first >= 0) {
    range.HasEnd = true;
    range.End = PointOf(pageText, first);
    const qsizetype second =
        pageText.indexOf(QLatin1String("</body"), first + 1, Qt::CaseInsensitive);
    if (second >= 0) {
      range.TwoClosingTags = true;
      range.End = PointOf(pageText, second);
    }
  }
  return range;
}

bool InABody(const BodyRange& range, TextPoint caret) {
  return range.HasStart && range.HasEnd && NotAfter(range.Start, caret) &&
         NotAfter(caret, range.End);
}

int FieldIndexAt(const QString& text, int position, QChar c) {
  const qsizetype before = qBound(qsizetype(0), qsizetype(position - 1), text.size());
  return 1 + int(text.left(before).count(c));
}

QString LastModifiedStamp(const QDateTime& when, const QLocale& locale) {
  QString stamp = locale.toString(when.date(), QLocale::ShortFormat);
  if (when.time() != QTime(0, 0))
    stamp += QLatin1Char(' ') + locale.toString(when.time(), QLocale::LongFormat);
  return QStringLiteral("<PAGEMODIFIED>") + stamp + QStringLiteral("</PAGEMODIFIED>");
}

QByteArray EditorWordCharacters() {
  return QByteArrayLiteral(
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-=#\"<./:~?%&+'!");
}

TagBraces TagBracesAt(const QString& lineText, int col) {
  TagBraces braces;
  if (!InATag(lineText, col)) return braces;
  col = qBound(0, col, int(lineText.size()));
  for (int i = col - 1; i >= 0; --i) {
    if (lineText[i] == QLatin1Char('>')) break;
    if (lineText[i] == QLatin1Char('<')) {
      braces.Open = i;
      break;
    }
  }
  for (int i = col; i < lineText.size(); ++i) {
    if (lineText[i] == QLatin1Char('<')) break;
    if (lineText[i] == QLatin1Char('>')) {
      braces.Close = i;
      break;
    }
  }
  return braces;
}
