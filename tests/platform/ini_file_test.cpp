#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "qt_printers.h"

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  QTemporaryDir Dir;
  QString Path = Dir.filePath("PROJECT.INI");

  void Write(const QByteArray& bytes) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray Read() {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
};

TEST_F(IniFileTest, ReadsSectionsAndKeysWithoutRegardToCase) {
  Write(
      "; written by hand\r\n"
      "[Other]\r\nWebURL=wrong\r\n"
      "[ project ]\r\n"
      "  weburl = www.example.com  \r\n"
      "WebURL=second\r\n"
      "Empty=\r\n"
      "LoginPassword=abc=def\r\n"
      ";mailto=commented\r\n");
  const IniFile ini(Path);
  EXPECT_EQ(ini.ReadString("PROJECT", "WebURL", "default"), "www.example.com");
  EXPECT_EQ(ini.ReadString("Project", "EMPTY", "default"), "");
  EXPECT_EQ(ini.ReadString("PROJECT", "LoginPassword", ""), "abc=def");
  EXPECT_EQ(ini.ReadString("PROJECT", "mailto", "default"), "default");
  EXPECT_EQ(ini.ReadString("PROJECT", "TextColor", "000000"), "000000");
  EXPECT_EQ(ini.ReadString("Missing", "WebURL", "default"), "default");
}

TEST_F(IniFileTest, MissingOrMalformedFilesGiveTheDefaults) {
  EXPECT_EQ(IniFile(Path).ReadString("PROJECT", "bgColor", "C0C0C0"), "C0C0C0");
  for (const QByteArray& bytes :
       {QByteArray("\x00\xFF\xFE[PROJECT\x00]\nbgColor\n", 22), QByteArray("bgColor=FFFFFF\n"),
        QByteArray("[PROJECT\nbgColor=FFFFFF\n"), QByteArray("=FFFFFF\n[]\n")}) {
    Write(bytes);
    EXPECT_EQ(IniFile(Path).ReadString("PROJECT", "bgColor", "C0C0C0"), "C0C0C0")
        << bytes.toStdString();
  }
}

TEST_F(IniFileTest, WritingAKeyKeepsEveryOtherLine) {
  Write(
      "; comment\n"
      "[PROJECT]\n"
      "mailto=me@example.com\n"
      "weburl=old.example.com\n"
      "\n"
      "[Other]\n"
      "x=1\n");
  IniFile ini(Path);
  QString error;
  ASSERT_TRUE(ini.WriteString("Project", "WebURL", "new.example.com", &error))
      << error.toStdString();
  ASSERT_TRUE(ini.WriteString("PROJECT", "ThemeStyle", "Blue", &error));
  ASSERT_TRUE(ini.WriteString("Third", "Key", "two\r\nlines", &error));
  EXPECT_EQ(Read(),
            "; comment\n"
            "[PROJECT]\n"
            "mailto=me@example.com\n"
            "weburl=new.example.com\n"
            "ThemeStyle=Blue\n"
            "\n"
            "[Other]\n"
            "x=1\n"
            "[Third]\n"
            "Key=two  lines\n");
  EXPECT_EQ(IniFile(Path).ReadString("project", "themestyle", ""), "Blue");
}

TEST_F(IniFileTest, ANewFileIsWrittenWithCrLf) {
  IniFile ini(Path);
  ASSERT_TRUE(ini.WriteString("PROJECT", "mailto", "", nullptr));
  ASSERT_TRUE(ini.WriteString("PROJECT", "WebURL", "host", nullptr));
  EXPECT_EQ(Read(), "[PROJECT]\r\nmailto=\r\nWebURL=host\r\n");
}

TEST_F(IniFileTest, KeepsALatinFileInItsEncoding) {
  Write("[PROJECT]\r\nmailto=Jos\xE9@example.com\r\n");
  IniFile ini(Path);
  EXPECT_EQ(ini.ReadString("PROJECT", "mailto", ""), QString::fromUtf8("Jos\u00E9@example.com"));
  ASSERT_TRUE(ini.WriteString("PROJECT", "ThemeStyle", QString::fromUtf8("Caf\u00E9"), nullptr));
  EXPECT_EQ(Read(), "[PROJECT]\r\nmailto=Jos\xE9@example.com\r\nThemeStyle=Caf\xE9\r\n");
}

TEST_F(IniFileTest, AFailedWriteSaysSoAndLeavesTheFileAsItWas) {
  Write("[PROJECT]\r\nWebURL=host\r\n");
  const QByteArray old = Read();
  IniFile ini(Path);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved;
  limit.rlim_cur = 8;  // the disk is full
  setrlimit(RLIMIT_FSIZE, &limit);
  QString error;
  const bool written = ini.WriteString("PROJECT", "FTPDirectory", "public_html", &error);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_TRUE(error.contains(Path)) << error.toStdString();
  EXPECT_EQ(Read(), old);
}

}  // namespace
