#pragma once

#include <QString>
#include <stdexcept>

// A value stored with another type than the reader asks for.
class SettingsTypeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Typed reads from a store of keys and values below the program's root key
// ("Defaults", "LastFiles", ...). A missing key or value gives the caller's default;
// a value of the wrong type throws SettingsTypeError.
class SettingsSource {
 public:
  virtual ~SettingsSource() = default;
  virtual QString ReadString(const QString& key, const QString& name, const QString& def) = 0;
  virtual int ReadInteger(const QString& key, const QString& name, int def) = 0;
  virtual bool ReadBool(const QString& key, const QString& name, bool def) = 0;
};

// Typed writes: the key is created when missing and the value replaced.
class SettingsSink {
 public:
  virtual ~SettingsSink() = default;
  virtual void WriteString(const QString& key, const QString& name, const QString& value) = 0;
  virtual void WriteInteger(const QString& key, const QString& name, int value) = 0;
  virtual void WriteBool(const QString& key, const QString& name, bool value) = 0;
};
