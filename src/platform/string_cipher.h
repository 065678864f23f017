#pragma once

#include <QString>

// The FTP password in PROJECT.INI is stored enciphered, so that it does not stand in the
// file as typed. This only hides it from a casual reader: the key is built into the
// program, and anyone holding the program can decipher it.

// Enciphers a text into one line of base64; an empty text stays empty.
QString EncodeStr(const QString& text);
// Gives back what EncodeStr enciphered; anything that does not decipher gives an empty text.
QString DecodeStr(const QString& text);
