#include "core/tag_text.h"

#include <algorithm>

#include "core/text_points.h"

namespace {

// Line (from 1) and column (from 0) of an offset, as the editor counts them.
void LineAndColumn(const QString& text, qsizetype offset, int* line, int* col) {
  const TextPoint point = PointAfter(TextPoint{}, text.left(offset));
  *line = point.Line;
  *col = point.Col;
}

}  // namespace

QString ExtractField(const QString& text, QChar separator, int n) {
  if (n < 0) return QString();
  qsizetype start = 0;
  for (int field = 0; field < n; ++field) {
    const qsizetype next = text.indexOf(separator, start);
    if (next < 0) return QString();
    start = next + 1;
  }
  const qsizetype end = text.indexOf(separator, start);
  return text.mid(start, end < 0 ? -1 : end - start);
}

QString GetAttributeValue(const QString& text, int position) {
  const qsizetype equals = text.indexOf(QLatin1Char('='), std::max(position - 1, 0));
  if (equals < 0) return QString();
  qsizetype start = equals + 1;
  if (start < text.size() && text[start] == QLatin1Char('"')) ++start;
  if (start >= text.size()) return QString();
  qsizetype end = start + 1;  // the first character is always taken
  while (end < text.size()) {
    const QChar c = text[end];
    if (c == QLatin1Char(' ') || c == QLatin1Char('"') || c == QLatin1Char('>')) break;
    ++end;
  }
  const QString value = text.mid(start, end - start);
  if (value == QLatin1String("\"") || value == QLatin1String("'")) return QString();
  return value;
}

QString TitleOfElement(const QString& element) {
  return ExtractField(ExtractField(element, QLatin1Char('>'), 1), QLatin1Char('<'), 0);
}

TitleSearch GetTitleText(const QString& pageText) {
  TitleSearch result;
  qsizetype from = 0;  // where the editor's next find starts: the end of its selection
  const qsizetype open = pageText.indexOf(QLatin1String("<TITLE>"), 0, Qt::CaseInsensitive);
  if (open >= 0) {
    const qsizetype close = pageText.indexOf(QLatin1String("</TITLE>"), open, Qt::CaseInsensitive);
    const qsizetype end = close >= 0 ? close + 8 : open + 7;
    LineAndColumn(pageText, open, &result.StartLine, &result.StartCol);
    LineAndColumn(pageText, end, &result.EndLine, &result.EndCol);
    if (close >= 0) {
      result.Found = true;
      result.Title = TitleOfElement(pageText.mid(open, end - open));
      return result;
    }
    // The opening tag alone stays selected unless "<head>" follows it.
    from = end;
  }
  const qsizetype head = pageText.indexOf(QLatin1String("<head>"), from, Qt::CaseInsensitive);
  if (head >= 0) {
    LineAndColumn(pageText, head + 6, &result.StartLine, &result.StartCol);
    result.EndLine = result.StartLine;
    result.EndCol = result.StartCol;
  }
  return result;
}

QString AsciiLower(const QString& text) {
  QString lower = text;
  for (QChar& c : lower)
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + 32);
  return lower;
}
