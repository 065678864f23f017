#include "platform/string_cipher.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include "qt_printers.h"

namespace {

TEST(StringCipher, DecipheringGivesThePasswordBack) {
  for (const QString& password :
       {QString("secret"), QString("p@ss w0rd=;[]"), QString::fromUtf8("\u00FC\u6F22\U0001F600"),
        QString(300, QChar('x'))}) {
    const QString stored = EncodeStr(password);
    EXPECT_NE(stored, password);
    EXPECT_FALSE(stored.contains(password));
    EXPECT_FALSE(stored.contains('\n') || stored.contains('\r'));
    EXPECT_TRUE(
        QByteArray::fromBase64Encoding(stored.toLatin1(), QByteArray::AbortOnBase64DecodingErrors));
    EXPECT_EQ(DecodeStr(stored), password);
  }
  EXPECT_EQ(EncodeStr(""), "");
  EXPECT_EQ(DecodeStr(""), "");
}

TEST(StringCipher, TheSamePasswordIsStoredDifferentlyEachTime) {
  EXPECT_NE(EncodeStr("secret"), EncodeStr("secret"));
}

TEST(StringCipher, AValueThatDoesNotDecipherGivesAnEmptyPassword) {
  QByteArray damaged = QByteArray::fromBase64(EncodeStr("secret").toLatin1());
  damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x01);
  for (const QString& value :
       {QString("plain text password"), QString("c2VjcmV0"), QString("%%%%"),
        QString::fromLatin1(damaged.toBase64()), EncodeStr("secret").left(20),
        QString::fromLatin1(QByteArray(64, 'A').toBase64())})
    EXPECT_EQ(DecodeStr(value), "") << value.toStdString();
}

}  // namespace
