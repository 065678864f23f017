#include "core/app_settings.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QVariant>

#include "core/registry_file.h"
#include "qt_printers.h"

namespace {

// Every field of AppSettings, listed independently of the code under test so that a
// field missing from its tables shows up.
QStringList Snapshot(const AppSettings& s) {
  QStringList out;
  auto add = [&](const char* name, const QVariant& value) {
    out << QStringLiteral("%1=%2").arg(QLatin1String(name), value.toString());
  };
  for (int i = 0; i < 4; ++i) add("LastFiles", s.LastFiles[i]);
  add("AutoLoad", s.AutoLoad);
  add("ExpandingChars", s.ExpandingChars);
  add("fullscreen", s.fullscreen);
  add("NewFile", s.NewFile);
  add("BrowserRefresh", s.BrowserRefresh);
  add("SimpleTable", s.SimpleTable);
  add("ImageDisplaying", s.ImageDisplaying);
  add("Wordwrap", s.Wordwrap);
  add("DefaultExtension", s.DefaultExtension);
  add("InternalClipboard", s.InternalClipboard);
  add("ShowTipOfTheDay", s.ShowTipOfTheDay);
  add("TipNumber", s.TipNumber);
  add("SavingToDefault", s.SavingToDefault);
  add("TimeOut", s.TimeOut);
  add("SmartBinary", s.SmartBinary);
  add("SmartASCII", s.SmartASCII);
  add("AutoAdd", s.AutoAdd);
  add("SkipHTML", s.SkipHTML);
  add("SuggestCount", s.SuggestCount);
  add("Language", s.Language);
  add("DialogStyle", s.DialogStyle);
  add("ExpandCharstoHTML", s.ExpandCharstoHTML);
  add("TabSize", s.TabSize);
  add("FileTabs", s.FileTabs);
  add("ShowHints", s.ShowHints);
  add("UseEWS", s.UseEWS);
  add("ShowProjectPanel", s.ShowProjectPanel);
  add("AutoUpdate", s.AutoUpdate);
  add("AutoTimeStamp", s.AutoTimeStamp);
  add("DefaultsWordwrap", s.DefaultsWordwrap);
  add("BackgroundColor", s.BackgroundColor);
  add("ShowImages", s.ShowImages);
  add("SharedImageDir", s.SharedImageDir);
  add("Browser1", s.Browser1);
  add("Browser1Prefix", s.Browser1Prefix);
  add("Browser2", s.Browser2);
  add("Browser2Prefix", s.Browser2Prefix);
  add("UseBR", s.UseBR);
  add("FontName", s.FontName);
  add("FontSize", s.FontSize);
  add("FontColor", s.FontColor);
  add("FontStyle", s.FontStyle);
  add("HTMLFontName", s.HTMLFontName);
  add("HTMLFontSize", s.HTMLFontSize);
  add("HTMLFontColor", s.HTMLFontColor);
  add("HTMLBackgroundColor", s.HTMLBackgroundColor);
  add("SyntaxBGColor", s.SyntaxBGColor);
  add("SyntaxFGColor", s.SyntaxFGColor);
  add("HighlightBGColor", s.HighlightBGColor);
  add("HighlightFGColor", s.HighlightFGColor);
  add("Extension", s.Extension);
  add("GraphicExtension", s.GraphicExtension);
  add("UseClosingP", s.UseClosingP);
  add("FileFormat", s.FileFormat);
  add("AutoIndent", s.AutoIndent);
  add("FontSizeChange", s.FontSizeChange);
  for (int i = 0; i < 4; ++i) {
    add("ShowCustom", s.ShowCustom[i]);
    add("CustomCaption", s.CustomCaption[i]);
  }
  add("Maximized", s.Maximized);
  add("Top", s.Top);
  add("Left", s.Left);
  add("Width", s.Width);
  add("Height", s.Height);
  add("SplitPosition", s.SplitPosition);
  add("SplitDirection", s.SplitDirection);
  return out;
}

// Records each read and answers with a value unlike the default: texts carry characters
// that need escaping, numbers are negative and distinct.
struct VaryingSource : SettingsSource {
  QStringList Reads;
  int Count = 0;

  QString ReadString(const QString& key, const QString& name, const QString&) override {
    Reads << key + "\\" + name + ":string";
    return QString::fromUtf8("\"\xC3\xA9\\") + name + QString(300, QLatin1Char('x'));
  }
  int ReadInteger(const QString& key, const QString& name, int) override {
    Reads << key + "\\" + name + ":integer";
    return -1000 - ++Count;
  }
  bool ReadBool(const QString& key, const QString& name, bool def) override {
    Reads << key + "\\" + name + ":bool";
    return !def;
  }
};

struct RecordingSink : SettingsSink {
  QStringList Writes;
  void WriteString(const QString& key, const QString& name, const QString&) override {
    Writes << key + "\\" + name + ":string";
  }
  void WriteInteger(const QString& key, const QString& name, int) override {
    Writes << key + "\\" + name + ":integer";
  }
  void WriteBool(const QString& key, const QString& name, bool) override {
    Writes << key + "\\" + name + ":bool";
  }
};

// The keys in the order they are first met, repeated when the order comes back to one.
QStringList KeyRuns(const QStringList& calls) {
  QStringList runs;
  for (const QString& call : calls) {
    const QString key = call.section('\\', 0, 0);
    if (runs.isEmpty() || runs.back() != key) runs << key;
  }
  return runs;
}

TEST(AppSettings, EveryValueReadIsWrittenWithItsType) {
  VaryingSource source;
  AppSettings settings;
  ReadAppSettings(source, settings);
  RecordingSink sink;
  WriteAppSettings(sink, settings);

  EXPECT_EQ(KeyRuns(source.Reads), QStringList({"LastFiles", "Helpers", "FTP", "Spelling",
                                                "Defaults", "WindowAttributes"}));
  EXPECT_EQ(KeyRuns(sink.Writes), QStringList({"LastFiles", "Spelling", "FTP", "Helpers",
                                               "Spelling", "Defaults", "WindowAttributes"}));
  QStringList reads = source.Reads;
  QStringList writes = sink.Writes;
  reads.sort();
  writes.sort();
  EXPECT_EQ(reads.removeDuplicates(), 0);
  EXPECT_EQ(writes, reads);
  EXPECT_EQ(reads.size(), Snapshot(settings).size());
}

TEST(AppSettings, WriteThenReadRestoresEveryField) {
  VaryingSource source;
  AppSettings changed;
  ReadAppSettings(source, changed);
  const QStringList defaults = Snapshot(AppSettings());
  const QStringList before = Snapshot(changed);
  ASSERT_EQ(before.size(), defaults.size());
  for (int i = 0; i < before.size(); ++i) EXPECT_NE(before[i], defaults[i]);

  RegistryFile file;
  WriteAppSettings(file, changed);
  QString error;
  std::optional<RegistryFile> saved = RegistryFile::Parse(file.Serialize(), &error);
  ASSERT_TRUE(saved) << error.toStdString();
  AppSettings restored;
  ReadAppSettings(*saved, restored);
  EXPECT_EQ(Snapshot(restored), before);
}

TEST(AppSettings, WrongTypeStopsTheReadAndLeavesLaterFieldsAlone) {
  RegistryFile file;
  file.WriteString("LastFiles", "File1", "a.htm");
  file.WriteInteger("Spelling", "Language", 3);
  file.WriteBool("Defaults", "ExpandCharstoHTML", false);
  file.WriteString("Defaults", "TabSize", "8");  // wrong type
  file.WriteString("Defaults", "FileTabs", "Tabs");
  file.WriteInteger("WindowAttributes", "Top", 40);

  AppSettings settings;
  settings.Top = 7;
  EXPECT_THROW(ReadAppSettings(file, settings), SettingsTypeError);
  EXPECT_EQ(settings.LastFiles[0], "a.htm");
  EXPECT_EQ(settings.Language, 3);
  EXPECT_FALSE(settings.ExpandCharstoHTML);
  EXPECT_EQ(settings.TabSize, 0);
  EXPECT_EQ(settings.FileTabs, "File List");
  EXPECT_EQ(settings.Top, 7);
}

struct CutCase {
  const char* Key;
  const char* Name;
  int MaxLength;
  QString AppSettings::*Member;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.Name; }

class AppSettingsCuts : public ::testing::TestWithParam<CutCase> {};

TEST_P(AppSettingsCuts, LongTextsToTheirMaximum) {
  const CutCase& c = GetParam();
  const QString full = QString(c.MaxLength, QLatin1Char('a')) + "bcd";
  RegistryFile file;
  file.WriteString(c.Key, c.Name, full);
  AppSettings settings;
  ReadAppSettings(file, settings);
  EXPECT_EQ(settings.*c.Member, full.left(c.MaxLength));

  file.WriteString(c.Key, c.Name, full.left(c.MaxLength));
  ReadAppSettings(file, settings);
  EXPECT_EQ(settings.*c.Member, full.left(c.MaxLength));
}

INSTANTIATE_TEST_SUITE_P(
    AppSettings, AppSettingsCuts,
    ::testing::Values(CutCase{"FTP", "SmartBinary", 201, &AppSettings::SmartBinary},
                      CutCase{"Defaults", "FileTabs", 255, &AppSettings::FileTabs},
                      CutCase{"Defaults", "SharedImageDir", 150, &AppSettings::SharedImageDir},
                      CutCase{"Defaults", "HTMLFontName", 25, &AppSettings::HTMLFontName},
                      CutCase{"Defaults", "SyntaxFGColor", 15, &AppSettings::SyntaxFGColor},
                      CutCase{"Defaults", "Extension", 100, &AppSettings::Extension}));

TEST(AppSettings, CutsArrayTextsAndKeepsSurrogatePairsWhole) {
  RegistryFile file;
  file.WriteString("LastFiles", "File3", QString(90, QLatin1Char('f')));
  // The cut at 15 would fall inside the emoji: it goes as a whole.
  file.WriteString("Defaults", "Custom2caption",
                   QString(14, QLatin1Char('c')) + QString::fromUtf8("\xF0\x9F\x98\x80"));
  AppSettings settings;
  ReadAppSettings(file, settings);
  EXPECT_EQ(settings.LastFiles[2], QString(80, QLatin1Char('f')));
  EXPECT_EQ(settings.CustomCaption[1], QString(14, QLatin1Char('c')));
}

}  // namespace
