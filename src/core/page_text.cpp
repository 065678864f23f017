#include "core/page_text.h"

#include <QStringDecoder>
#include <cstdint>
#include <cstring>

namespace {

// QString::fromUtf8 drops a leading U+FEFF; one that follows the byte-order mark is text
// and must survive.
QString FromUtf8(const char* bytes, qsizetype size) {
  QStringDecoder decoder(QStringDecoder::Utf8,
                         QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
  return decoder.decode(QByteArrayView(bytes, size));
}

// Windows-1252 0x80..0x9F. The five bytes the code page leaves undefined map to the C1
// control of the same value so that every byte survives a load and save.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// Strict UTF-8 (no overlongs, no surrogates, nothing above U+10FFFF). Pages can be
// megabytes, so runs of ASCII are skipped eight bytes at a time.
bool IsValidUtf8(const unsigned char* p, const unsigned char* end) {
  while (p < end) {
    while (end - p >= 8) {
      std::uint64_t chunk;
      std::memcpy(&chunk, p, 8);
      if (chunk & 0x8080808080808080ULL) break;
      p += 8;
    }
    if (p >= end) break;
    const unsigned char lead = *p;
    if (lead < 0x80) {
      ++p;
      continue;
    }
    int trail;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the first trailing byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      trail = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      trail = 2;
      if (lead == 0xE0) lo = 0xA0;  // overlong
      if (lead == 0xED) hi = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      trail = 3;
      if (lead == 0xF0) lo = 0x90;  // overlong
      if (lead == 0xF4) hi = 0x8F;  // above U+10FFFF
    } else {
      return false;
    }
    if (end - p <= trail) return false;
    if (p[1] < lo || p[1] > hi) return false;
    for (int i = 2; i <= trail; ++i)
      if ((p[i] & 0xC0) != 0x80) return false;
    p += trail + 1;
  }
  return true;
}

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
  }
  return text;
}

int Windows1252Byte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == c) return 0x80 + i;
  return -1;
}

QByteArray EncodeWindows1252(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = text[i].unicode();
    const int b = Windows1252Byte(c);
    if (b >= 0) {
      bytes.append(static_cast<char>(b));
      continue;
    }
    char32_t code = c;
    if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
      code = QChar::surrogateToUcs4(c, text[++i].unicode());
    bytes.append("&#").append(QByteArray::number(code)).append(';');
  }
  return bytes;
}

}  // namespace

PageEncoding DetectPageEncoding(const QByteArray& bytes) {
  const auto* begin = reinterpret_cast<const unsigned char*>(bytes.constData());
  const auto* end = begin + bytes.size();
  if (!IsValidUtf8(begin, end)) return PageEncoding::Windows1252;
  return bytes.startsWith("\xEF\xBB\xBF") ? PageEncoding::Utf8Bom : PageEncoding::Utf8;
}

DecodedPage DecodePage(const QByteArray& bytes) {
  DecodedPage page;
  page.Encoding = DetectPageEncoding(bytes);
  switch (page.Encoding) {
    case PageEncoding::Utf8Bom:
      page.Text = FromUtf8(bytes.constData() + 3, bytes.size() - 3);
      break;
    case PageEncoding::Utf8:
      page.Text = FromUtf8(bytes.constData(), bytes.size());
      break;
    case PageEncoding::Windows1252:
      page.Text = DecodeWindows1252(bytes);
      break;
  }
  return page;
}

QByteArray EncodePage(const QString& text, PageEncoding encoding) {
  switch (encoding) {
    case PageEncoding::Utf8:
      return text.toUtf8();
    case PageEncoding::Utf8Bom:
      return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case PageEncoding::Windows1252:
      return EncodeWindows1252(text);
  }
  return text.toUtf8();
}

QString ApplyLineEnds(const QString& text, LineEndStyle style) {
  if (style == LineEndStyle::Default) return text;
  // Most pages already use the wanted line end: skip the copy then.
  if (style == LineEndStyle::Unix && !text.contains(u'\r')) return text;
  if (style == LineEndStyle::Mac && !text.contains(u'\n')) return text;
  const QChar eol = style == LineEndStyle::Mac ? u'\r' : u'\n';
  QString out;
  out.reserve(text.size());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c == u'\r') {
      if (i + 1 < n && text[i + 1] == u'\n') ++i;
      out.append(eol);
    } else if (c == u'\n') {
      out.append(eol);
    } else {
      out.append(c);
    }
  }
  return out;
}
