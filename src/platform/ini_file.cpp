#include "platform/ini_file.h"

#include <QFile>
#include <QRegularExpression>

#include "core/settings_text.h"
#include "platform/atomic_file.h"

namespace {

bool IsHeader(const QString& line, QString* name) {
  const QString trimmed = line.trimmed();
  if (!trimmed.startsWith(QLatin1Char('['))) return false;
  const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
  if (close < 0) return false;
  if (name) *name = trimmed.mid(1, close - 1).trimmed();
  return true;
}

// "key=value" outside a comment.
bool IsKey(const QString& line, QString* key, QString* value) {
  const QString trimmed = line.trimmed();
  if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'))) return false;
  const qsizetype equals = line.indexOf(QLatin1Char('='));
  if (equals <= 0) return false;
  if (key) *key = line.left(equals).trimmed();
  if (value) *value = line.mid(equals + 1).trimmed();
  return true;
}

}  // namespace

IniFile::IniFile(const QString& path) : Path(path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return;
  const DecodedPage page = DecodePage(file.readAll());
  Encoding = page.Encoding;
  if (page.Text.isEmpty()) return;
  if (!page.Text.contains(QLatin1String("\r\n")) && page.Text.contains(QLatin1Char('\n')))
    LineEnd = QStringLiteral("\n");
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
  Lines = page.Text.split(lineEnd);
  if (Lines.last().isEmpty()) Lines.removeLast();  // the file's last line end
}

int IniFile::FindSection(const QString& section) const {
  QString name;
  for (int i = 0; i < Lines.size(); ++i)
    if (IsHeader(Lines[i], &name) && name.compare(section.trimmed(), Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

int IniFile::SectionEnd(int header) const {
  int end = header + 1;
  while (end < Lines.size() && !IsHeader(Lines[end], nullptr)) ++end;
  return end;
}

int IniFile::FindKey(int header, const QString& key) const {
  QString name;
  const int end = SectionEnd(header);
  for (int i = header + 1; i < end; ++i)
    if (IsKey(Lines[i], &name, nullptr) && name.compare(key.trimmed(), Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  const int header = FindSection(section);
  if (header < 0) return def;
  const int line = FindKey(header, key);
  if (line < 0) return def;
  QString value;
  IsKey(Lines[line], nullptr, &value);
  return value;
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value,
                          QString* error) {
  // A line break in the value would start a line of its own.
  QString oneLine = value;
  oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  int header = FindSection(section);
  if (header < 0) {
    Lines.append(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
    header = int(Lines.size()) - 1;
  }
  const int line = FindKey(header, key);
  if (line >= 0) {
    QString name;
    IsKey(Lines[line], &name, nullptr);
    Lines[line] = name + QLatin1Char('=') + oneLine;  // the spelling already in the file
  } else {
    int at = SectionEnd(header);
    while (at > header + 1 && Lines[at - 1].trimmed().isEmpty()) --at;  // before blank lines
    Lines.insert(at, key.trimmed() + QLatin1Char('=') + oneLine);
  }
  return WriteFileAtomically(Path, EncodeSettingsText(Lines.join(LineEnd) + LineEnd, Encoding),
                             error);
}
