#include "core/registry_file.h"

#include <gtest/gtest.h>

#include <climits>

#include "qt_printers.h"

namespace {

const QByteArray Root = "[HKEY_CURRENT_USER\\Software\\Halvorend\\Quorvane";

RegistryFile ParseOrFail(const QByteArray& bytes) {
  QString error;
  std::optional<RegistryFile> file = RegistryFile::Parse(bytes, &error);
  EXPECT_TRUE(file) << error.toStdString();
  return file.value_or(RegistryFile());
}

RegistryFile RoundTrip(const RegistryFile& file) {
  RegistryFile back = ParseOrFail(file.Serialize());
  EXPECT_TRUE(back == file) << file.Serialize().toStdString();
  return back;
}

TEST(RegistryFile, SerializesInRegeditLayout) {
  RegistryFile file;
  file.WriteString("Defaults", "FontName", "Courier New");
  file.WriteInteger("Defaults", "TabSize", 10);
  file.WriteBool("LastFiles", "AutoLoad", true);
  file.WriteInteger("WindowAttributes", "Top", -1);
  file.WriteInteger("WindowAttributes", "Left", INT_MIN);
  EXPECT_EQ(file.Serialize(), "REGEDIT4\r\n\r\n" + Root +
                                  "\\Defaults]\r\n"
                                  "\"FontName\"=\"Courier New\"\r\n"
                                  "\"TabSize\"=dword:0000000a\r\n\r\n" +
                                  Root +
                                  "\\LastFiles]\r\n"
                                  "\"AutoLoad\"=dword:00000001\r\n\r\n" +
                                  Root +
                                  "\\WindowAttributes]\r\n"
                                  "\"Top\"=dword:ffffffff\r\n"
                                  "\"Left\"=dword:80000000\r\n\r\n");

  RegistryFile back = RoundTrip(file);
  EXPECT_EQ(back.ReadInteger("WindowAttributes", "Top", 0), -1);
  EXPECT_EQ(back.ReadInteger("WindowAttributes", "Left", 0), INT_MIN);
  EXPECT_TRUE(back.ReadBool("LastFiles", "AutoLoad", false));
}

TEST(RegistryFile, StringsRoundTripExactly) {
  const QString texts[] = {
      QString(),
      "say \"hi\"",
      "C:\\Pages\\",
      "\\\\server\\share\\\"x\"",
      "\"",
      QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                        "e \xE2\x82\xAC \xF0\x9F\x98\x80"),
      "two\r\nlines\nand a lone\rCR",
      "  padded  ",
  };
  RegistryFile file;
  for (int i = 0; i < int(std::size(texts)); ++i)
    file.WriteString("Defaults", QStringLiteral("Text%1").arg(i), texts[i]);
  file.WriteString("Defaults", "Name \"with\" \\ quotes", "x");

  RegistryFile back = RoundTrip(file);
  for (int i = 0; i < int(std::size(texts)); ++i)
    EXPECT_EQ(back.ReadString("Defaults", QStringLiteral("Text%1").arg(i), "absent"), texts[i]);
  EXPECT_EQ(back.ReadString("Defaults", "Name \"with\" \\ quotes", ""), "x");
  EXPECT_TRUE(file.Serialize().contains("\"Text1\"=\"say \\\"hi\\\"\"\r\n"));
  EXPECT_TRUE(file.Serialize().contains("\"Text2\"=\"C:\\\\Pages\\\\\"\r\n"));
}

TEST(RegistryFile, ReadsHandWrittenAndForeignFiles) {
  const QByteArray text =
      "\xEF\xBB\xBF\r\n"
      "REGEDIT4\n"
      "\n"
      "; written by hand\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n"
      "@=\"default\"\r\n"
      "\"Blob\"=hex:01,02,\\\r\n"
      "  03,04\r\n"
      "\"Big\"=DWORD:FFFFFFFE\r\n"
      "\r\n" +
      Root +
      "\\Defaults]\n"
      "  \"FontName\" = \"Caf\xC3\xA9\"  \n"
      "\"Path\"=\"C:\\Pages\\new\"\n"
      "\"Hints\"=dword:2\n"
      "\"Off\"=dword:00000000\n";
  RegistryFile file = ParseOrFail(text);

  EXPECT_EQ(file.ReadString("Defaults", "FontName", ""), QString::fromUtf8("Caf\xC3\xA9"));
  // An unescaped backslash is kept as written.
  EXPECT_EQ(file.ReadString("Defaults", "Path", ""), "C:\\Pages\\new");
  EXPECT_TRUE(file.ReadBool("Defaults", "Hints", false));
  EXPECT_FALSE(file.ReadBool("Defaults", "Off", true));

  // Other programs' keys, binary data and default values survive a save.
  file.WriteInteger("Defaults", "TabSize", 4);
  const QByteArray saved = file.Serialize();
  EXPECT_TRUE(
      saved.startsWith("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n"
                       "@=\"default\"\r\n"
                       "\"Blob\"=hex:01,02,\\\r\n03,04\r\n"
                       "\"Big\"=dword:fffffffe\r\n\r\n"))
      << saved.toStdString();
  RoundTrip(file);
}

TEST(RegistryFile, FallsBackToWindowsCodePageForInvalidUtf8) {
  RegistryFile file =
      ParseOrFail("REGEDIT4\r\n\r\n" + Root + "\\Defaults]\r\n\"A\"=\"caf\xE9\"\r\n");
  EXPECT_EQ(file.ReadString("Defaults", "A", ""), QString::fromUtf8("caf\xC3\xA9"));
}

TEST(RegistryFile, EmptyInputIsAnEmptyFile) {
  EXPECT_TRUE(ParseOrFail("") == RegistryFile());
  EXPECT_TRUE(ParseOrFail("\xEF\xBB\xBF\r\n  \r\n") == RegistryFile());
}

TEST(RegistryFile, NamesMatchWithoutCaseAndKeepTheirSpelling) {
  RegistryFile file = ParseOrFail(
      "REGEDIT4\r\n\r\n"
      "[hkey_current_user\\software\\halvorend\\quorvane\\defaults]\r\n"
      "\"tabsize\"=dword:00000004\r\n\r\n" +
      Root + "\\LastFiles]\r\n\r\n");

  EXPECT_EQ(file.ReadInteger("Defaults", "TabSize", 0), 4);
  EXPECT_EQ(file.ReadInteger("DEFAULTS", "TABSIZE", 0), 4);

  file.WriteInteger("DEFAULTS", "TabSize", 8);
  file.WriteString("Defaults", "FontName", "Arial");
  file.WriteString("Spelling", "X", "y");
  file.WriteString("lastfiles", "File1", "a.htm");
  EXPECT_EQ(file.Serialize(),
            "REGEDIT4\r\n\r\n"
            "[hkey_current_user\\software\\halvorend\\quorvane\\defaults]\r\n"
            "\"tabsize\"=dword:00000008\r\n"
            "\"FontName\"=\"Arial\"\r\n\r\n" +
                Root +
                "\\LastFiles]\r\n"
                "\"File1\"=\"a.htm\"\r\n\r\n" +
                Root +
                "\\Spelling]\r\n"
                "\"X\"=\"y\"\r\n\r\n");
}

TEST(RegistryFile, AbsentValuesGiveTheDefault) {
  RegistryFile file;
  file.WriteString("Defaults", "FontName", "Arial");
  EXPECT_EQ(file.ReadString("Defaults", "Missing", "def"), "def");
  EXPECT_EQ(file.ReadString("NoSuchKey", "FontName", "def"), "def");
  EXPECT_EQ(file.ReadInteger("Defaults", "TabSize", -7), -7);
  EXPECT_TRUE(file.ReadBool("Defaults", "ShowHints", true));
  // The program's keys are not found in another root.
  RegistryFile foreign = ParseOrFail(
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Halvorend\\Quorvane\\Defaults]\r\n"
      "\"TabSize\"=dword:00000004\r\n");
  EXPECT_EQ(foreign.ReadInteger("Defaults", "TabSize", 2), 2);
}

TEST(RegistryFile, WrongTypeThrowsNamingTheValue) {
  RegistryFile file = ParseOrFail("REGEDIT4\r\n" + Root +
                                  "\\Defaults]\r\n"
                                  "\"TabSize\"=\"8\"\r\n"
                                  "\"FontName\"=dword:00000001\r\n"
                                  "\"Blob\"=hex:00\r\n");
  auto message = [](auto read) -> std::string {
    try {
      read();
    } catch (const SettingsTypeError& e) {
      return e.what();
    }
    return "no exception";
  };
  EXPECT_EQ(message([&] { file.ReadInteger("Defaults", "TabSize", 0); }),
            "Invalid data type for 'TabSize'");
  EXPECT_EQ(message([&] { file.ReadBool("Defaults", "tabsize", false); }),
            "Invalid data type for 'tabsize'");
  EXPECT_EQ(message([&] { file.ReadString("Defaults", "FontName", ""); }),
            "Invalid data type for 'FontName'");
  EXPECT_EQ(message([&] { file.ReadString("Defaults", "Blob", ""); }),
            "Invalid data type for 'Blob'");
  EXPECT_EQ(message([&] { file.ReadInteger("Defaults", "Blob", 0); }),
            "Invalid data type for 'Blob'");

  // Writing replaces the type.
  file.WriteInteger("Defaults", "TabSize", 8);
  EXPECT_EQ(file.ReadInteger("Defaults", "TabSize", 0), 8);
}

TEST(RegistryFile, RevisionCountsOnlyRealChanges) {
  RegistryFile file;
  file.WriteString("Defaults", "FontName", "Arial");
  const quint64 after = file.Revision();
  file.WriteString("defaults", "FONTNAME", "Arial");
  EXPECT_EQ(file.Revision(), after);
  file.WriteString("Defaults", "FontName", "arial");
  EXPECT_EQ(file.Revision(), after + 1);
  file.WriteBool("Defaults", "Flag", true);
  file.WriteInteger("Defaults", "Flag", 1);
  EXPECT_EQ(file.Revision(), after + 2);
  file.WriteInteger("Defaults", "FontName", 0);
  EXPECT_EQ(file.Revision(), after + 3);
}

struct BadCase {
  const char* Name;
  QByteArray Text;
  int Line;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.Name; }

class RegistryFileRejects : public ::testing::TestWithParam<BadCase> {};

TEST_P(RegistryFileRejects, NamingTheLine) {
  QString error;
  EXPECT_FALSE(RegistryFile::Parse(GetParam().Text, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("line %1: ").arg(GetParam().Line)))
      << error.toStdString();
}

const QByteArray Head = "REGEDIT4\r\n\r\n" + Root + "\\Defaults]\r\n";

INSTANTIATE_TEST_SUITE_P(
    RegistryFile, RegistryFileRejects,
    ::testing::Values(BadCase{"no header", Root + "\\Defaults]\r\n", 1},
                      BadCase{"other header", "\r\nWindows Registry Editor Version 5.00\r\n", 2},
                      BadCase{"comment first", "; REGEDIT4\r\nREGEDIT4\r\n", 1},
                      BadCase{"value before key", "REGEDIT4\r\n\"A\"=\"b\"\r\n", 2},
                      BadCase{"garbage line", Head + "\"A\"=\"b\"\r\nhello\r\n", 5},
                      BadCase{"unclosed key", "REGEDIT4\r\n[HKEY_CURRENT_USER\\x\r\n", 2},
                      BadCase{"unclosed text", Head + "\"A\"=\"b\r\n\"B\"=dword:1\r\n", 4},
                      BadCase{"unclosed name", Head + "\"A=1\r\n", 4},
                      BadCase{"no equals", Head + "\"A\" \"b\"\r\n", 4},
                      BadCase{"text after value", Head + "\"A\"=\"b\" c\r\n", 4},
                      BadCase{"bad dword", Head + "\"A\"=dword:xyz\r\n", 4},
                      BadCase{"long dword", Head + "\"A\"=dword:123456789\r\n", 4},
                      BadCase{"empty dword", Head + "\"A\"=dword:\r\n", 4},
                      BadCase{"unknown type", Head + "\"A\"=42\r\n", 4}));

}  // namespace
