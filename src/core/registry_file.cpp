#include "core/registry_file.h"

#include <QRegularExpression>
#include <algorithm>

#include "core/page_text.h"

namespace {

const QString RootPath = QStringLiteral("HKEY_CURRENT_USER\\Software\\Halvorend\\Quorvane");

QString KeyPath(const QString& key) { return RootPath + QLatin1Char('\\') + key; }

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString Quote(const QString& text) {
  QString quoted = text;
  quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Walks the text a line at a time; only quoted texts may run over a line end, so that
// every string the program stores comes back exactly.
class Scanner {
 public:
  explicit Scanner(const QString& text) : Text(text) {}

  int Line() const { return LineNumber; }
  bool AtEnd() const { return Pos >= Text.size(); }
  QChar Peek() const { return AtEnd() ? QChar() : Text[Pos]; }
  void Advance() { ++Pos; }

  void SkipBlanks() {
    while (!AtEnd() && (Text[Pos] == QLatin1Char(' ') || Text[Pos] == QLatin1Char('\t'))) ++Pos;
  }
  bool AtLineEnd() const {
    return AtEnd() || Text[Pos] == QLatin1Char('\n') ||
           (Text[Pos] == QLatin1Char('\r') && Pos + 1 < Text.size() &&
            Text[Pos + 1] == QLatin1Char('\n'));
  }
  void EndLine() {
    if (!AtEnd() && Text[Pos] == QLatin1Char('\r')) ++Pos;
    if (!AtEnd()) {
      ++Pos;
      ++LineNumber;
    }
  }
  QString RestOfLine() {
    const qsizetype start = Pos;
    while (!AtLineEnd()) ++Pos;
    return Text.mid(start, Pos - start);
  }

  // At an opening quote. Only \\ and \" are escapes; any other backslash is taken as
  // written, as hand-edited paths like "C:\Pages" often have them unescaped.
  bool ReadQuoted(QString* out) {
    out->clear();
    ++Pos;
    while (!AtEnd()) {
      const QChar c = Text[Pos++];
      if (c == QLatin1Char('"')) return true;
      if (c == QLatin1Char('\n')) ++LineNumber;
      if (c == QLatin1Char('\\') && !AtEnd() &&
          (Text[Pos] == QLatin1Char('\\') || Text[Pos] == QLatin1Char('"'))) {
        out->append(Text[Pos++]);
        continue;
      }
      out->append(c);
    }
    return false;
  }

 private:
  const QString& Text;
  qsizetype Pos = 0;
  int LineNumber = 1;
};

}  // namespace

bool RegistryFile::Value::operator==(const Value& other) const {
  if (Name != other.Name || Type != other.Type) return false;
  return Type == Kind::Dword ? Dword == other.Dword : Text == other.Text;
}

std::optional<RegistryFile> RegistryFile::Parse(const QByteArray& bytes, QString* error) {
  // Files written by older tools may be in the Windows code page rather than UTF-8.
  const QString text = DecodePage(bytes).Text;
  Scanner in(text);
  RegistryFile file;
  bool seenHeader = false;
  int line = 0;
  auto fail = [&](const QString& why) -> std::optional<RegistryFile> {
    if (error) *error = QStringLiteral("line %1: %2").arg(line).arg(why);
    return std::nullopt;
  };
  static const QRegularExpression rawData(QStringLiteral("^hex(\\([0-9a-f]+\\))?:"),
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression hexDigits(QStringLiteral("^[0-9a-fA-F]{1,8}$"));

  while (!in.AtEnd()) {
    line = in.Line();
    in.SkipBlanks();
    if (in.AtLineEnd()) {
      in.EndLine();
      continue;
    }
    const QChar first = in.Peek();
    if (!seenHeader) {
      if (in.RestOfLine().trimmed() != QLatin1String("REGEDIT4"))
        return fail(QStringLiteral("the file does not begin with REGEDIT4"));
      seenHeader = true;
    } else if (first == QLatin1Char(';')) {
      in.RestOfLine();
    } else if (first == QLatin1Char('[')) {
      const QString header = in.RestOfLine().trimmed();
      if (!header.endsWith(QLatin1Char(']')) || header.size() < 3)
        return fail(QStringLiteral("a key name is not closed with ']'"));
      file.Sections.push_back({header.mid(1, header.size() - 2), {}});
    } else if (first == QLatin1Char('"') || first == QLatin1Char('@')) {
      if (file.Sections.empty()) return fail(QStringLiteral("a value comes before any key"));
      Value value;
      if (first == QLatin1Char('@'))
        in.Advance();
      else if (!in.ReadQuoted(&value.Name))
        return fail(QStringLiteral("a value name is not closed with '\"'"));
      in.SkipBlanks();
      if (in.Peek() != QLatin1Char('='))
        return fail(QStringLiteral("a value name is not followed by '='"));
      in.Advance();
      in.SkipBlanks();
      if (in.Peek() == QLatin1Char('"')) {
        if (!in.ReadQuoted(&value.Text))
          return fail(QStringLiteral("the text of '%1' is not closed with '\"'").arg(value.Name));
        in.SkipBlanks();
        if (!in.AtLineEnd())
          return fail(QStringLiteral("unexpected text after the value '%1'").arg(value.Name));
      } else {
        const QString data = in.RestOfLine().trimmed();
        if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
          const QString digits = data.mid(6);
          if (!hexDigits.match(digits).hasMatch())
            return fail(QStringLiteral("'%1' is not a valid dword").arg(value.Name));
          value.Dword = digits.toUInt(nullptr, 16);
          value.Type = Value::Kind::Dword;
        } else if (rawData.match(data).hasMatch()) {
          // Binary data is kept as written, continuation lines included.
          value.Type = Value::Kind::Raw;
          value.Text = data;
          while (value.Text.endsWith(QLatin1Char('\\')) && !in.AtEnd()) {
            in.EndLine();
            value.Text += QLatin1Char('\n') + in.RestOfLine().trimmed();
          }
        } else {
          return fail(QStringLiteral("the value '%1' has an unknown type").arg(value.Name));
        }
      }
      file.Sections.back().Values.push_back(value);
    } else {
      return fail(QStringLiteral("the line is neither a key, a value nor a comment"));
    }
    in.EndLine();
  }
  return file;
}

QByteArray RegistryFile::Serialize() const {
  static const QString crlf = QStringLiteral("\r\n");
  QString out = QStringLiteral("REGEDIT4") + crlf + crlf;
  for (const Section& section : Sections) {
    out += QLatin1Char('[') + section.Path + QLatin1Char(']') + crlf;
    for (const Value& value : section.Values) {
      out += value.Name.isEmpty() ? QStringLiteral("@") : Quote(value.Name);
      out += QLatin1Char('=');
      switch (value.Type) {
        case Value::Kind::String:
          out += Quote(value.Text);
          break;
        case Value::Kind::Dword:
          out += QStringLiteral("dword:%1").arg(value.Dword, 8, 16, QLatin1Char('0'));
          break;
        case Value::Kind::Raw:
          out += QString(value.Text).replace(QLatin1Char('\n'), crlf);
          break;
      }
      out += crlf;
    }
    out += crlf;
  }
  return out.toUtf8();
}

const RegistryFile::Value* RegistryFile::Find(const QString& key, const QString& name) const {
  const QString path = KeyPath(key);
  for (const Section& section : Sections) {
    if (!SameName(section.Path, path)) continue;
    for (const Value& value : section.Values)
      if (SameName(value.Name, name)) return &value;
  }
  return nullptr;
}

const RegistryFile::Value* RegistryFile::FindTyped(const QString& key, const QString& name,
                                                   Value::Kind type) const {
  const Value* value = Find(key, name);
  if (value && value->Type != type)
    throw SettingsTypeError(QStringLiteral("Invalid data type for '%1'").arg(name).toStdString());
  return value;
}

void RegistryFile::Store(const QString& key, const QString& name, const Value& value) {
  const QString path = KeyPath(key);
  auto section = std::find_if(Sections.begin(), Sections.end(),
                              [&](const Section& s) { return SameName(s.Path, path); });
  if (section == Sections.end()) section = Sections.insert(Sections.end(), {path, {}});
  auto existing = std::find_if(section->Values.begin(), section->Values.end(),
                               [&](const Value& v) { return SameName(v.Name, name); });
  if (existing == section->Values.end()) {
    section->Values.push_back(value);
  } else {
    Value replacement = value;
    replacement.Name = existing->Name;
    if (*existing == replacement) return;
    *existing = replacement;
  }
  ++Changes;
}

QString RegistryFile::ReadString(const QString& key, const QString& name, const QString& def) {
  const Value* value = FindTyped(key, name, Value::Kind::String);
  return value ? value->Text : def;
}

int RegistryFile::ReadInteger(const QString& key, const QString& name, int def) {
  const Value* value = FindTyped(key, name, Value::Kind::Dword);
  return value ? static_cast<int>(value->Dword) : def;
}

bool RegistryFile::ReadBool(const QString& key, const QString& name, bool def) {
  const Value* value = FindTyped(key, name, Value::Kind::Dword);
  return value ? value->Dword != 0 : def;
}

void RegistryFile::WriteString(const QString& key, const QString& name, const QString& value) {
  Value stored;
  stored.Name = name;
  stored.Text = value;
  Store(key, name, stored);
}

void RegistryFile::WriteInteger(const QString& key, const QString& name, int value) {
  Value stored;
  stored.Name = name;
  stored.Type = Value::Kind::Dword;
  stored.Dword = static_cast<quint32>(value);
  Store(key, name, stored);
}

void RegistryFile::WriteBool(const QString& key, const QString& name, bool value) {
  WriteInteger(key, name, value ? 1 : 0);
}
