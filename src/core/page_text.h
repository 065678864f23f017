#pragma once

#include <QByteArray>
#include <QString>

// How a page's bytes became text, so that saving gives the same bytes back.
enum class PageEncoding { Utf8, Utf8Bom, Windows1252 };

// Line ends written on save: Default keeps the text's own line ends.
enum class LineEndStyle { Default, Mac, Unix };

struct DecodedPage {
  QString Text;
  PageEncoding Encoding = PageEncoding::Utf8;
};

// Valid UTF-8 (with or without a byte-order mark) is read as UTF-8, anything else as
// Windows-1252, byte for byte.
DecodedPage DecodePage(const QByteArray& bytes);
// The encoding DecodePage finds, without decoding anything.
PageEncoding DetectPageEncoding(const QByteArray& bytes);

// The inverse of DecodePage. A character Windows-1252 cannot hold is written as an
// HTML numeric character reference, so nothing the user typed is lost.
QByteArray EncodePage(const QString& text, PageEncoding encoding);

// Rewrites every line end (CR LF, CR or LF) in the given style; Default leaves the text.
QString ApplyLineEnds(const QString& text, LineEndStyle style);
