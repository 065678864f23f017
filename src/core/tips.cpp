#include "core/tips.h"

#include <QStringDecoder>

TipList TipList::Parse(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  if (text.isEmpty()) return TipList();
  return TipList(text.split(QLatin1Char('\n')));
}

QString TipList::HeadingFor(QChar selector) {
  switch (selector.unicode()) {
    case '!':
      return QStringLiteral("Today's joke...");
    case '#':
      return QStringLiteral("Today's message...");
    case '\'':
      return QStringLiteral("Today's quote...");
    case '?':
      return QStringLiteral("Did you know...");
    case '^':
      return QStringLiteral("Today's tip...");
    default:
      return QString();
  }
}

QString TipList::Heading(int index) const {
  if (index < 0 || index >= Count() || Lines[index].isEmpty()) return QString();
  return HeadingFor(Lines[index].at(0));
}

QString TipList::Text(int index) const {
  if (index < 0 || index >= Count()) return QString();
  QString text = Lines[index].mid(1, MaxTextLength);
  // Only the first few markers are line breaks; any further ones stay as written.
  int from = 0;
  for (int breaks = 0; breaks < MaxLineBreaks; ++breaks) {
    const int at = text.indexOf(QLatin1String("%s"), from);
    if (at < 0) break;
    text.replace(at, 2, QLatin1Char('\n'));
    from = at + 1;
  }
  return text;
}

int TipList::Step(int index, bool forward, bool tipMode) const {
  if (forward) {
    ++index;
  } else {
    --index;
    if (tipMode && index < FirstTip) index = FirstTip;
  }
  if (index < 0) index = Count() - 1;
  if (index >= Count() - 1) index = FirstTip;
  return index;
}
