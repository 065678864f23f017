#pragma once

#include <QString>
#include <array>

#include "core/settings_io.h"

// Every preference of the program, as read at start-up and written at shutdown.
// Field names are the stored value names. String fields have fixed maximum lengths
// (longer stored texts are cut when read; see ReadAppSettings).
struct AppSettings {
  // LastFiles
  std::array<QString, 4> LastFiles;  // File1..File4, most recent first (80)
  bool AutoLoad = false;

  // Helpers: true while the note is still to be shown
  bool ExpandingChars = true;
  bool fullscreen = true;
  bool NewFile = true;
  bool BrowserRefresh = true;
  bool SimpleTable = true;
  bool ImageDisplaying = true;
  bool Wordwrap = true;
  bool DefaultExtension = true;
  bool InternalClipboard = true;
  bool ShowTipOfTheDay = true;
  int TipNumber = 10;
  bool SavingToDefault = true;

  // FTP
  int TimeOut = 60000;
  QString SmartBinary;  // (201)
  QString SmartASCII;   // (201)

  // Spelling
  bool AutoAdd = false;
  bool SkipHTML = true;
  int SuggestCount = 10;
  int Language = 0;
  int DialogStyle = 0;

  // Defaults
  bool ExpandCharstoHTML = true;
  int TabSize = 0;
  QString FileTabs = QStringLiteral("File List");
  bool ShowHints = false;
  bool UseEWS = true;
  bool ShowProjectPanel = true;
  bool AutoUpdate = false;
  bool AutoTimeStamp = false;
  bool DefaultsWordwrap = false;  // Defaults\Wordwrap (Helpers\Wordwrap is the note flag)
  QString BackgroundColor;        // (25)
  bool ShowImages = true;
  QString SharedImageDir;  // (150)
  QString Browser1;        // (150)
  bool Browser1Prefix = false;
  QString Browser2;  // (150)
  bool Browser2Prefix = false;
  bool UseBR = false;
  QString FontName;                                           // (25)
  QString FontSize;                                           // (25)
  QString FontColor;                                          // (25)
  QString FontStyle;                                          // (25)
  QString HTMLFontName;                                       // (25)
  QString HTMLFontSize;                                       // (25)
  QString HTMLFontColor;                                      // (25)
  QString HTMLBackgroundColor;                                // (25)
  QString SyntaxBGColor;                                      // (15)
  QString SyntaxFGColor;                                      // (15)
  QString HighlightBGColor;                                   // (15)
  QString HighlightFGColor;                                   // (15)
  QString Extension = QStringLiteral("html,htm,shtm,shtml");  // (100)
  QString GraphicExtension = QStringLiteral("gif,jpg");       // (100)
  bool UseClosingP = false;
  int FileFormat = 0;
  bool AutoIndent = false;
  int FontSizeChange = 2;
  std::array<bool, 4> ShowCustom{};      // ShowCustom1..4
  std::array<QString, 4> CustomCaption;  // Custom1caption..4 (15)

  // WindowAttributes
  bool Maximized = false;
  int Top = 0;
  int Left = 0;
  int Width = 0;
  int Height = 0;
  int SplitPosition = 0;
  int SplitDirection = 0;
};

// The names of the spelling dictionaries that "Language" indexes.
extern const std::array<const char*, 9> DictionaryNames;

// Reads every value in the order of the settings table into `settings`. A value of the
// wrong type throws SettingsTypeError: the values read before it are kept in `settings`,
// the rest keep what they had.
void ReadAppSettings(SettingsSource& source, AppSettings& settings);

// Writes every value in the shutdown order, each with its own type.
void WriteAppSettings(SettingsSink& sink, const AppSettings& settings);
