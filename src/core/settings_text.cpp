#include "core/settings_text.h"

QByteArray EncodeSettingsText(const QString& text, PageEncoding readAs) {
  if (readAs == PageEncoding::Windows1252) {
    const QByteArray bytes = EncodePage(text, PageEncoding::Windows1252);
    // EncodePage writes a character the code page lacks as a character reference, which
    // means nothing in these files; and the bytes must read back as the same text.
    const DecodedPage back = DecodePage(bytes);
    if (back.Encoding == PageEncoding::Windows1252 && back.Text == text) return bytes;
  }
  return EncodePage(text,
                    readAs == PageEncoding::Utf8Bom ? PageEncoding::Utf8Bom : PageEncoding::Utf8);
}
