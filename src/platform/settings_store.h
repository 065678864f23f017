#pragma once

#include <QString>
#include <memory>

#include "core/settings_io.h"

class RegistryFile;

// The per-user settings store: a REGEDIT4 text file under
// $XDG_CONFIG_HOME/Halvorend/Quorvane/settings.reg, sections per key below
// HKEY_CURRENT_USER\Software\Halvorend\Quorvane. Key and value names match without
// regard to case. Every write replaces the file atomically; inside a Batch the file is
// written once, when the outermost batch ends.
class SettingsStore : public SettingsSource, public SettingsSink {
 public:
  // Opens the store at its standard place.
  SettingsStore();
  explicit SettingsStore(const QString& filePath);
  ~SettingsStore() override;

  static QString DefaultPath();
  QString FilePath() const { return Path; }

  // Why the file on disk could not be read at all (empty when it was read or absent).
  // Such a file is treated as empty and rewritten whole by the next write.
  QString LoadError() const { return Error; }
  // Why the last write to disk failed (empty after a good write).
  QString WriteError() const { return LastWriteError; }

  QString ReadString(const QString& key, const QString& name, const QString& def) override;
  int ReadInteger(const QString& key, const QString& name, int def) override;
  bool ReadBool(const QString& key, const QString& name, bool def) override;
  void WriteString(const QString& key, const QString& name, const QString& value) override;
  void WriteInteger(const QString& key, const QString& name, int value) override;
  void WriteBool(const QString& key, const QString& name, bool value) override;

  class Batch {
   public:
    explicit Batch(SettingsStore& store);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    SettingsStore& Store;
  };

 private:
  // Marks the store changed when the write altered the file's contents, and writes
  // it unless a batch is open.
  void Changed(quint64 revisionBefore);
  void Commit();

  QString Path;
  QString Error;
  QString LastWriteError;
  std::unique_ptr<RegistryFile> File;
  int BatchDepth = 0;
  bool Dirty = false;
};
