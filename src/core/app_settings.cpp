#include "core/app_settings.h"

#include <QLatin1String>
#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <variant>
#include <vector>

const std::array<const char*, 9> DictionaryNames = {
    "English", "British", "Dutch", "French", "German", "Italian", "Spanish", "Legal", "Medical"};

namespace {

using FieldRef = std::variant<QString*, int*, bool*>;

// One stored value: where it lives, and for texts the most characters kept.
struct Field {
  const char* Key;
  const char* Name;
  FieldRef (*Ref)(AppSettings&);
  int MaxLength = 0;
};

// Table accessors: a member, or one element of an array member.
template <auto Member>
FieldRef M(AppSettings& s) {
  return &(s.*Member);
}

template <auto Member, int Index>
FieldRef E(AppSettings& s) {
  return &(s.*Member)[Index];
}

// Every value in the order ReadAppSettings reads it. Keep this order: a value of the
// wrong type stops the read, and everything after it keeps its previous setting.
const std::vector<Field>& ReadOrder() {
  using S = AppSettings;
  static const std::vector<Field> fields = {
      {"LastFiles", "File1", E<&S::LastFiles, 0>, 80},
      {"LastFiles", "File2", E<&S::LastFiles, 1>, 80},
      {"LastFiles", "File3", E<&S::LastFiles, 2>, 80},
      {"LastFiles", "File4", E<&S::LastFiles, 3>, 80},
      {"LastFiles", "AutoLoad", M<&S::AutoLoad>},

      {"Helpers", "ExpandingChars", M<&S::ExpandingChars>},
      {"Helpers", "fullscreen", M<&S::fullscreen>},
      {"Helpers", "NewFile", M<&S::NewFile>},
      {"Helpers", "BrowserRefresh", M<&S::BrowserRefresh>},
      {"Helpers", "SimpleTable", M<&S::SimpleTable>},
      {"Helpers", "ImageDisplaying", M<&S::ImageDisplaying>},
      {"Helpers", "Wordwrap", M<&S::Wordwrap>},
      {"Helpers", "DefaultExtension", M<&S::DefaultExtension>},
      {"Helpers", "InternalClipboard", M<&S::InternalClipboard>},
      {"Helpers", "ShowTipOfTheDay", M<&S::ShowTipOfTheDay>},
      {"Helpers", "TipNumber", M<&S::TipNumber>},
      {"Helpers", "SavingToDefault", M<&S::SavingToDefault>},

      {"FTP", "TimeOut", M<&S::TimeOut>},
      {"FTP", "SmartBinary", M<&S::SmartBinary>, 201},
      {"FTP", "SmartASCII", M<&S::SmartASCII>, 201},

      {"Spelling", "AutoAdd", M<&S::AutoAdd>},
      {"Spelling", "SkipHTML", M<&S::SkipHTML>},
      {"Spelling", "SuggestCount", M<&S::SuggestCount>},
      {"Spelling", "Language", M<&S::Language>},
      {"Spelling", "DialogStyle", M<&S::DialogStyle>},

      {"Defaults", "ExpandCharstoHTML", M<&S::ExpandCharstoHTML>},
      {"Defaults", "TabSize", M<&S::TabSize>},
      {"Defaults", "FileTabs", M<&S::FileTabs>, 255},
      {"Defaults", "ShowHints", M<&S::ShowHints>},
      {"Defaults", "UseEWS", M<&S::UseEWS>},
      {"Defaults", "ShowProjectPanel", M<&S::ShowProjectPanel>},
      {"Defaults", "AutoUpdate", M<&S::AutoUpdate>},
      {"Defaults", "AutoTimeStamp", M<&S::AutoTimeStamp>},
      {"Defaults", "Wordwrap", M<&S::DefaultsWordwrap>},
      {"Defaults", "BackgroundColor", M<&S::BackgroundColor>, 25},
      {"Defaults", "ShowImages", M<&S::ShowImages>},
      {"Defaults", "SharedImageDir", M<&S::SharedImageDir>, 150},
      {"Defaults", "Browser1", M<&S::Browser1>, 150},
      {"Defaults", "Browser1Prefix", M<&S::Browser1Prefix>},
      {"Defaults", "Browser2", M<&S::Browser2>, 150},
      {"Defaults", "Browser2Prefix", M<&S::Browser2Prefix>},
      {"Defaults", "UseBR", M<&S::UseBR>},
      {"Defaults", "FontName", M<&S::FontName>, 25},
      {"Defaults", "FontSize", M<&S::FontSize>, 25},
      {"Defaults", "FontColor", M<&S::FontColor>, 25},
      {"Defaults", "FontStyle", M<&S::FontStyle>, 25},
      {"Defaults", "HTMLFontName", M<&S::HTMLFontName>, 25},
      {"Defaults", "HTMLFontSize", M<&S::HTMLFontSize>, 25},
      {"Defaults", "HTMLFontColor", M<&S::HTMLFontColor>, 25},
      {"Defaults", "HTMLBackgroundColor", M<&S::HTMLBackgroundColor>, 25},
      {"Defaults", "SyntaxBGColor", M<&S::SyntaxBGColor>, 15},
      {"Defaults", "SyntaxFGColor", M<&S::SyntaxFGColor>, 15},
      {"Defaults", "HighlightBGColor", M<&S::HighlightBGColor>, 15},
      {"Defaults", "HighlightFGColor", M<&S::HighlightFGColor>, 15},
      {"Defaults", "Extension", M<&S::Extension>, 100},
      {"Defaults", "GraphicExtension", M<&S::GraphicExtension>, 100},
      {"Defaults", "UseClosingP", M<&S::UseClosingP>},
      {"Defaults", "FileFormat", M<&S::FileFormat>},
      {"Defaults", "AutoIndent", M<&S::AutoIndent>},
      {"Defaults", "FontSizeChange", M<&S::FontSizeChange>},
      {"Defaults", "ShowCustom1", E<&S::ShowCustom, 0>},
      {"Defaults", "Custom1caption", E<&S::CustomCaption, 0>, 15},
      {"Defaults", "ShowCustom2", E<&S::ShowCustom, 1>},
      {"Defaults", "Custom2caption", E<&S::CustomCaption, 1>, 15},
      {"Defaults", "ShowCustom3", E<&S::ShowCustom, 2>},
      {"Defaults", "Custom3caption", E<&S::CustomCaption, 2>, 15},
      {"Defaults", "ShowCustom4", E<&S::ShowCustom, 3>},
      {"Defaults", "Custom4caption", E<&S::CustomCaption, 3>, 15},

      {"WindowAttributes", "Maximized", M<&S::Maximized>},
      {"WindowAttributes", "Top", M<&S::Top>},
      {"WindowAttributes", "Left", M<&S::Left>},
      {"WindowAttributes", "Width", M<&S::Width>},
      {"WindowAttributes", "Height", M<&S::Height>},
      {"WindowAttributes", "SplitPosition", M<&S::SplitPosition>},
      {"WindowAttributes", "SplitDirection", M<&S::SplitDirection>},
  };
  return fields;
}

struct Group {
  const char* Key;
  std::initializer_list<const char*> Names;
};

// The order values are written at shutdown, as names looked up in ReadOrder().
const std::vector<const Field*>& WriteOrder() {
  static const std::vector<const Field*> fields = [] {
    const Group groups[] = {
        {"LastFiles", {"File1", "File2", "File3", "File4", "AutoLoad"}},
        {"Spelling", {"AutoAdd", "SkipHTML", "SuggestCount", "Language"}},
        {"FTP", {"TimeOut", "SmartBinary", "SmartASCII"}},
        {"Helpers",
         {"ExpandingChars", "fullscreen", "NewFile", "BrowserRefresh", "SimpleTable",
          "ImageDisplaying", "Wordwrap", "DefaultExtension", "InternalClipboard", "ShowTipOfTheDay",
          "TipNumber", "SavingToDefault"}},
        {"Spelling", {"DialogStyle"}},
        {"Defaults",
         {"ExpandCharstoHTML",
          "TabSize",
          "FileTabs",
          "ShowHints",
          "ShowProjectPanel",
          "Wordwrap",
          "BackgroundColor",
          "ShowImages",
          "UseEWS",
          "SharedImageDir",
          "Browser1",
          "Browser1Prefix",
          "Browser2",
          "Browser2Prefix",
          "UseBR",
          "FontName",
          "FontSize",
          "FontColor",
          "FontStyle",
          "HTMLFontName",
          "HTMLFontSize",
          "HTMLFontColor",
          "HTMLBackgroundColor",
          "SyntaxBGColor",
          "SyntaxFGColor",
          "HighlightBGColor",
          "HighlightFGColor",
          "Extension",
          "GraphicExtension",
          "UseClosingP",
          "FileFormat",
          "AutoIndent",
          "AutoUpdate",
          "AutoTimeStamp",
          "FontSizeChange",
          "ShowCustom1",
          "Custom1caption",
          "ShowCustom2",
          "Custom2caption",
          "ShowCustom3",
          "Custom3caption",
          "ShowCustom4",
          "Custom4caption"}},
        {"WindowAttributes",
         {"Maximized", "Top", "Left", "Width", "Height", "SplitPosition", "SplitDirection"}},
    };
    std::vector<const Field*> order;
    for (const Group& group : groups) {
      for (const char* name : group.Names) {
        const auto& all = ReadOrder();
        auto found = std::find_if(all.begin(), all.end(), [&](const Field& f) {
          return QLatin1String(f.Key) == QLatin1String(group.Key) &&
                 QLatin1String(f.Name) == QLatin1String(name);
        });
        assert(found != all.end());
        if (found != all.end()) order.push_back(&*found);
      }
    }
    return order;
  }();
  return fields;
}

// Cuts to at most `maxLength` characters without splitting a surrogate pair.
QString Cut(const QString& text, int maxLength) {
  if (text.size() <= maxLength) return text;
  qsizetype length = maxLength;
  if (length > 0 && text[length - 1].isHighSurrogate()) --length;
  return text.left(length);
}

}  // namespace

void ReadAppSettings(SettingsSource& source, AppSettings& settings) {
  for (const Field& field : ReadOrder()) {
    const QString key = QLatin1String(field.Key);
    const QString name = QLatin1String(field.Name);
    const FieldRef ref = field.Ref(settings);
    if (auto* text = std::get_if<QString*>(&ref))
      **text = Cut(source.ReadString(key, name, **text), field.MaxLength);
    else if (auto* number = std::get_if<int*>(&ref))
      **number = source.ReadInteger(key, name, **number);
    else if (auto* flag = std::get_if<bool*>(&ref))
      **flag = source.ReadBool(key, name, **flag);
  }
}

void WriteAppSettings(SettingsSink& sink, const AppSettings& settings) {
  // A copy, as the table hands out writable pointers (shared strings make it cheap).
  AppSettings values = settings;
  for (const Field* field : WriteOrder()) {
    const QString key = QLatin1String(field->Key);
    const QString name = QLatin1String(field->Name);
    const FieldRef ref = field->Ref(values);
    if (auto* text = std::get_if<QString*>(&ref))
      sink.WriteString(key, name, **text);
    else if (auto* number = std::get_if<int*>(&ref))
      sink.WriteInteger(key, name, **number);
    else if (auto* flag = std::get_if<bool*>(&ref))
      sink.WriteBool(key, name, **flag);
  }
}
