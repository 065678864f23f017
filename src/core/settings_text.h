#pragma once

#include <QByteArray>
#include <QString>

#include "core/page_text.h"

// The program's own small text files (project.dat, PROJECT.INI) are single-byte text:
// they are read like pages (UTF-8 when valid, else Windows-1252) and written back in
// Windows-1252 when they came that way and every character still fits, so that an
// unchanged file keeps its bytes. Anything else is written as UTF-8, so no character is
// ever replaced.
QByteArray EncodeSettingsText(const QString& text, PageEncoding readAs);
