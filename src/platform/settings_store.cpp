#include "platform/settings_store.h"

#include <QDir>
#include <QFileInfo>

#include "core/registry_file.h"
#include "platform/atomic_file.h"

SettingsStore::SettingsStore() : SettingsStore(DefaultPath()) {}

SettingsStore::SettingsStore(const QString& filePath)
    : Path(filePath), File(std::make_unique<RegistryFile>()) {
  if (!QFileInfo::exists(Path)) return;
  QByteArray bytes;
  if (!ReadWholeFile(Path, &bytes, &Error)) return;
  QString why;
  if (std::optional<RegistryFile> parsed = RegistryFile::Parse(bytes, &why))
    *File = std::move(*parsed);
  else
    Error = QStringLiteral("Could not read the settings in %1: %2.").arg(Path, why);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::DefaultPath() {
  // Read on every call so that tests can point it elsewhere.
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base))
    base = QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/Halvorend/Quorvane/settings.reg");
}

QString SettingsStore::ReadString(const QString& key, const QString& name, const QString& def) {
  return File->ReadString(key, name, def);
}

int SettingsStore::ReadInteger(const QString& key, const QString& name, int def) {
  return File->ReadInteger(key, name, def);
}

bool SettingsStore::ReadBool(const QString& key, const QString& name, bool def) {
  return File->ReadBool(key, name, def);
}

void SettingsStore::WriteString(const QString& key, const QString& name, const QString& value) {
  const quint64 before = File->Revision();
  File->WriteString(key, name, value);
  Changed(before);
}

void SettingsStore::WriteInteger(const QString& key, const QString& name, int value) {
  const quint64 before = File->Revision();
  File->WriteInteger(key, name, value);
  Changed(before);
}

void SettingsStore::WriteBool(const QString& key, const QString& name, bool value) {
  const quint64 before = File->Revision();
  File->WriteBool(key, name, value);
  Changed(before);
}

void SettingsStore::Changed(quint64 revisionBefore) {
  if (File->Revision() != revisionBefore) Dirty = true;
  if (BatchDepth == 0) Commit();
}

void SettingsStore::Commit() {
  // Dirty stays set after a failed write, so the next write tries again.
  if (!Dirty) return;
  QDir().mkpath(QFileInfo(Path).absolutePath());
  if (WriteFileAtomically(Path, File->Serialize(), &LastWriteError)) {
    LastWriteError.clear();
    Dirty = false;
  }
}

SettingsStore::Batch::Batch(SettingsStore& store) : Store(store) { ++Store.BatchDepth; }

SettingsStore::Batch::~Batch() {
  if (--Store.BatchDepth == 0) Store.Commit();
}
