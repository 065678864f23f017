#include "core/page_evaluation.h"

#include <algorithm>

#include "core/tag_text.h"

const QString PageEvaluation::NotLocated = QStringLiteral("(Did not locate.)");

void PageEvaluation::ValueList::Add(const QString& value) {
  if (Keys.contains(value.toCaseFolded())) return;
  Keys.insert(value.toCaseFolded());
  Items.append(value);
}

void PageEvaluation::ValueList::Sort() {
  std::sort(Items.begin(), Items.end(), [](const QString& a, const QString& b) {
    const int order = QString::compare(a, b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
  });
}

void PageEvaluation::ValueList::Clear() {
  Items.clear();
  Keys.clear();
}

void PageEvaluation::Clear() {
  for (ValueList* list : {&Found, &Missing, &AllLinks, &Located, &Markers, &Unmatched})
    list->Clear();
  Details.clear();
  Total = 0;
}

qint64 PageEvaluation::ScanLineForImages(int line, const QString& text, const QString& key,
                                         const FileSize& sizeOf) {
  const QString lower = AsciiLower(text);
  const QString lowerKey = AsciiLower(key);
  const bool background = lowerKey == QLatin1String("background");
  qint64 bytes = 0;
  // Each occurrence is taken once, from left to right.
  for (qsizetype at = lower.indexOf(lowerKey); at >= 0; at = lower.indexOf(lowerKey, at + 1)) {
    QString value = GetAttributeValue(text, int(at) + 1);
    const qint64 size = value.isEmpty() ? -1 : sizeOf(value);
    if (size < 0) {
      if (value.isEmpty()) continue;  // nothing to look for, nothing to say
      Missing.Add(value);
      value += NotLocated;
    } else {
      Found.Add(value);
      bytes += size;
    }
    if (background) value += QLatin1String("(Background Image)");
    Details.push_back({QString::number(line) + QLatin1Char(':') + QString::number(at) +
                           QLatin1String(": ") + value + QLatin1String(" Size=") +
                           QString::number(size) + QLatin1String(" bytes."),
                       line, int(at)});
  }
  Total += bytes;
  return bytes;
}

void PageEvaluation::ScanLineForReferences(int line, const QString& text, ReferenceKind kind,
                                           const QString& key, const FileExists& exists) {
  const QString lower = AsciiLower(text);
  const QString lowerKey = AsciiLower(key);
  const bool link = kind == ReferenceKind::Link;
  for (qsizetype at = lower.indexOf(lowerKey); at >= 0; at = lower.indexOf(lowerKey, at + 1)) {
    QString value = GetAttributeValue(text, int(at) + 1);
    if (value.isEmpty()) {
      Details.push_back(
          {QString::number(line) + (link ? QLatin1String(": Appears to be a link without quotes")
                                         : QLatin1String(": Appears to be a name without quotes")),
           line, -1});
      continue;
    }
    // An in-page link names no file; whether its marker exists is checked at the end.
    const bool inPage = link && value.startsWith(QLatin1Char('#'));
    bool located = false;
    if (link) {
      if (!inPage) located = exists(value);
      AllLinks.Add(value);
      if (located) Located.Add(value);
    } else {
      located = AllLinks.Contains(QLatin1Char('#') + value);
      Markers.Add(value);
    }
    if (!located && !inPage) value += NotLocated;
    Details.push_back({QString::number(line) + QLatin1Char(':') + QString::number(at) +
                           QLatin1String(": ") + value,
                       line, int(at)});
  }
}

void PageEvaluation::Finish() {
  for (ValueList* list : {&Found, &Missing, &AllLinks, &Located, &Markers}) list->Sort();
  for (const QString& link : AllLinks.Items)
    if (link.startsWith(QLatin1Char('#')) && !Markers.Contains(link.mid(1)))
      Unmatched.Add(link.mid(1));
  for (const QString& marker : Markers.Items)
    if (!AllLinks.Contains(QLatin1Char('#') + marker)) Unmatched.Add(QLatin1Char('#') + marker);
  Unmatched.Sort();
  Details.push_back({QString(), 0, -1});
  Details.push_back({QStringLiteral("Page contains ") + QString::number(Found.Items.size()) +
                         QStringLiteral(" SRC references totalling ") + QString::number(Total) +
                         QStringLiteral(" bytes."),
                     0, -1});
}
