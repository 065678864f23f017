#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that it is either replaced completely or left as it was.
// On failure `error` says why in words a user understands.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Reads a whole file; false with a message when it cannot be read.
bool ReadWholeFile(const QString& path, QByteArray* bytes, QString* error);
