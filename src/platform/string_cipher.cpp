#include "platform/string_cipher.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <QByteArray>
#include <QStringDecoder>
#include <memory>

// AES-256-GCM under a key derived from a fixed word: a fresh random IV makes every
// enciphering of the same password look different, and the tag lets a damaged or foreign
// value be recognised instead of deciphering into rubbish. The stored form is
// base64(IV | ciphertext | tag).

namespace {

constexpr int IvSize = 12;
constexpr int TagSize = 16;

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

QByteArray Key() {
  static const QByteArray key = [] {
    static const char word[] = "quorvk";  // a fixed word of six lowercase letters
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_Digest(word, sizeof word - 1, digest, &size, EVP_sha256(), nullptr);
    return QByteArray(reinterpret_cast<const char*>(digest), int(size));
  }();
  return key;
}

const unsigned char* Bytes(const QByteArray& data) {
  return reinterpret_cast<const unsigned char*>(data.constData());
}
unsigned char* Bytes(QByteArray& data) { return reinterpret_cast<unsigned char*>(data.data()); }

}  // namespace

QString EncodeStr(const QString& text) {
  if (text.isEmpty()) return QString();
  const QByteArray plain = text.toUtf8();
  QByteArray iv(IvSize, Qt::Uninitialized);
  if (RAND_bytes(Bytes(iv), IvSize) != 1) return QString();
  CipherContext context(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
  if (!context) return QString();
  QByteArray out(plain.size() + TagSize, Qt::Uninitialized);
  int length = 0;
  int finalLength = 0;
  const QByteArray key = Key();
  if (EVP_EncryptInit_ex(context.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
      EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_IVLEN, IvSize, nullptr) != 1 ||
      EVP_EncryptInit_ex(context.get(), nullptr, nullptr, Bytes(key), Bytes(iv)) != 1 ||
      EVP_EncryptUpdate(context.get(), Bytes(out), &length, Bytes(plain), int(plain.size())) != 1 ||
      EVP_EncryptFinal_ex(context.get(), Bytes(out) + length, &finalLength) != 1 ||
      EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, TagSize,
                          Bytes(out) + length + finalLength) != 1)
    return QString();
  out.resize(length + finalLength + TagSize);
  return QString::fromLatin1((iv + out).toBase64());
}

QString DecodeStr(const QString& text) {
  const QByteArray::FromBase64Result decoded = QByteArray::fromBase64Encoding(
      text.trimmed().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded || decoded.decoded.size() < IvSize + TagSize) return QString();
  const QByteArray& data = decoded.decoded;
  const QByteArray iv = data.left(IvSize);
  QByteArray tag = data.right(TagSize);
  const QByteArray cipher = data.mid(IvSize, data.size() - IvSize - TagSize);
  CipherContext context(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
  if (!context) return QString();
  QByteArray plain(cipher.size() + 16, Qt::Uninitialized);
  int length = 0;
  int finalLength = 0;
  const QByteArray key = Key();
  if (EVP_DecryptInit_ex(context.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
      EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_IVLEN, IvSize, nullptr) != 1 ||
      EVP_DecryptInit_ex(context.get(), nullptr, nullptr, Bytes(key), Bytes(iv)) != 1 ||
      EVP_DecryptUpdate(context.get(), Bytes(plain), &length, Bytes(cipher), int(cipher.size())) !=
          1 ||
      EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, TagSize, Bytes(tag)) != 1 ||
      EVP_DecryptFinal_ex(context.get(), Bytes(plain) + length, &finalLength) != 1)
    return QString();
  plain.resize(length + finalLength);
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString result = utf8.decode(plain);
  return utf8.hasError() ? QString() : result;
}
