#include "platform/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString Reason(const QFileDevice& file) {
  switch (file.error()) {
    case QFileDevice::ResourceError:
      return QStringLiteral("the disk is full");
    case QFileDevice::PermissionsError:
      return QStringLiteral("permission denied");
    default:
      return file.errorString();
  }
}
}  // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  auto fail = [&](const QString& why) {
    file.cancelWriting();
    if (error) *error = QStringLiteral("Could not write %1: %2.").arg(path, why);
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) {
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
      return fail(QStringLiteral("the folder does not exist"));
    return fail(Reason(file));
  }
  if (file.write(bytes) != bytes.size()) return fail(Reason(file));
  // QSaveFile::commit() can report success although its last buffered write failed
  // (seen on a full disk): flush first and check.
  if (!file.flush()) return fail(Reason(file));
  if (!file.commit()) {
    if (error) *error = QStringLiteral("Could not write %1: %2.").arg(path, Reason(file));
    return false;
  }
  return true;
}

bool ReadWholeFile(const QString& path, QByteArray* bytes, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("Could not read %1: %2.").arg(path, file.errorString());
    return false;
  }
  *bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = QStringLiteral("Could not read %1: %2.").arg(path, file.errorString());
    return false;
  }
  return true;
}
