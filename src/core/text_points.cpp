#include "core/text_points.h"

QString LineBreakOf(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('\n')) return QStringLiteral("\n");
    if (text[i] == QLatin1Char('\r'))
      return i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? QStringLiteral("\r\n")
                                                                     : QStringLiteral("\r");
  }
  return QString();
}

QString WithLineBreaks(const QString& text, const QString& lineBreak) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch == QLatin1Char('\r')) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
      result += lineBreak;
    } else if (ch == QLatin1Char('\n')) {
      result += lineBreak;
    } else {
      result += ch;
    }
  }
  return result;
}

TextPoint PointAfter(TextPoint start, const QString& text) {
  TextPoint point = start;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
      if (ch == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
      ++point.Line;
      point.Col = 0;
    } else {
      ++point.Col;
    }
  }
  return point;
}

TextPoint EarlierPoint(TextPoint a, TextPoint b) {
  return b.Line < a.Line || (b.Line == a.Line && b.Col < a.Col) ? b : a;
}
