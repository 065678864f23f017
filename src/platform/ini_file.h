#pragma once

#include <QString>
#include <QStringList>

#include "core/page_text.h"

// A settings file of sections and "key=value" lines, such as a project's PROJECT.INI.
// Sections and keys match without regard to letter case, and the first match counts.
// A file that is missing or cannot be read reads as empty, so every read gives its
// default; lines that are neither sections nor keys are kept as they are.
class IniFile {
 public:
  explicit IniFile(const QString& path);

  const QString& FileName() const { return Path; }
  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  // Sets one key and writes the file at once, replacing it whole or not at all; every
  // other line stays as it was. False with a message when the file cannot be written.
  bool WriteString(const QString& section, const QString& key, const QString& value,
                   QString* error = nullptr);

 private:
  int FindSection(const QString& section) const;      // header line, or -1
  int FindKey(int header, const QString& key) const;  // key line, or -1
  int SectionEnd(int header) const;                   // the line after its last line

  QString Path;
  QStringList Lines;
  QString LineEnd = QStringLiteral("\r\n");
  PageEncoding Encoding = PageEncoding::Utf8;
};
