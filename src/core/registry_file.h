#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "core/settings_io.h"

// The contents of a REGEDIT4 text file, held in memory. Keys passed to the reads and
// writes are relative to HKEY_CURRENT_USER\Software\Halvorend\Quorvane; sections of
// other keys are kept as they were read so that saving does not lose them. Key and value
// names match without regard to case; a write keeps the spelling already in the file,
// and new keys and values go after the existing ones.
class RegistryFile : public SettingsSource, public SettingsSink {
 public:
  // Fails with a message naming the line when the text is not a REGEDIT4 file.
  static std::optional<RegistryFile> Parse(const QByteArray& bytes, QString* error);
  // UTF-8 with CR LF line ends.
  QByteArray Serialize() const;

  QString ReadString(const QString& key, const QString& name, const QString& def) override;
  int ReadInteger(const QString& key, const QString& name, int def) override;
  bool ReadBool(const QString& key, const QString& name, bool def) override;
  void WriteString(const QString& key, const QString& name, const QString& value) override;
  void WriteInteger(const QString& key, const QString& name, int value) override;
  void WriteBool(const QString& key, const QString& name, bool value) override;

  // Goes up by one with every write that changed the contents.
  quint64 Revision() const { return Changes; }

  // Compares the contents only.
  bool operator==(const RegistryFile& other) const { return Sections == other.Sections; }
  bool operator!=(const RegistryFile& other) const { return !(*this == other); }

 private:
  struct Value {
    enum class Kind { String, Dword, Raw };
    QString Name;  // empty for the key's default value, written '@'
    Kind Type = Kind::String;
    QString Text;  // String: the text; Raw: the data after '=' as read (hex:...)
    quint32 Dword = 0;
    bool operator==(const Value& other) const;
  };
  struct Section {
    QString Path;  // the full key name between the brackets
    std::vector<Value> Values;
    bool operator==(const Section& other) const {
      return Path == other.Path && Values == other.Values;
    }
  };

  const Value* Find(const QString& key, const QString& name) const;
  const Value* FindTyped(const QString& key, const QString& name, Value::Kind type) const;
  void Store(const QString& key, const QString& name, const Value& value);

  std::vector<Section> Sections;
  quint64 Changes = 0;
};
