#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure messages for Qt values.
inline void PrintTo(const QString& value, std::ostream* os) {
  *os << '"' << value.toStdString() << '"';
}
inline void PrintTo(const QByteArray& value, std::ostream* os) {
  *os << '"' << value.toStdString() << '"';
}
inline void PrintTo(const QStringList& value, std::ostream* os) {
  *os << '{';
  for (int i = 0; i < value.size(); ++i)
    *os << (i ? ", \"" : "\"") << value[i].toStdString() << '"';
  *os << '}';
}
