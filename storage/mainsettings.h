// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's keys of the settings file "Tamrix.ini", with their
// defaults (the values of a missing file).
#include <cstdint>
#include <string>

#include "storage/profiledocument.h"
#include "storage/profilefile.h"

// The language of the program's own texts, which needs no catalogue.
inline constexpr const char* kSourceLanguage = "ru";
// The settings value that leaves the language to the desktop, as a missing
// key does.
inline constexpr const char* kDesktopLanguageValue = "auto";

struct TMainSettings {
  // Font
  std::string FontName = "MS Sans Serif";
  int FontSize = 10;
  bool FontBold = false;
  bool FontItalic = false;
  // Main
  int Left = 200;
  int Top = 200;
  int Width = 370;
  bool ExprMem = false;    // true: the last expression is not restored at start
  bool InTray = true;
  bool CloseQuery = false;
  bool OnTop = false;
  bool DropOut = false;
  bool ErrorOn = true;
  bool Angle = false;      // true: radians
  std::string Expression;  // read only when ExprMem is false
  int NExpres = 10;
  std::uint16_t VK_Code = 123;  // F12
  std::uint16_t fsModifiers = 2;  // Control
  int OutStr1 = 1;  // "Sci"
  int OutStr2 = 2;  // "D"
  int OutStr3 = 4;  // "O"
  // The interface's language chosen by the user ("ru", "en", "pt_BR"); empty
  // while the interface follows the desktop's language.
  std::string Language;
  // Parser
  char DecimalSeparator = '.';
  char ArgumentSeparator = ',';
  int NDigit = 18;
};

// Reads every key in the start-up order. A missing or malformed value gives
// its default; equal separators make the argument separator ";".
TMainSettings ReadMainSettings(const TProfileDocument& file);
TMainSettings ReadMainSettings(const TProfileFile& file);

// Writes every key in the closing order; Language only when the user has
// chosen one: an empty Language removes a stored code (a stored "auto" stays
// as it is). On a TProfileFile all keys go in one
// rewrite; when it fails (EStorageError "Unable to write to <path>") the file
// keeps all of its old values.
void WriteMainSettings(TProfileDocument& file, const TMainSettings& s);
void WriteMainSettings(TProfileFile& file, const TMainSettings& s);

// The language code of a settings value: empty (follow the desktop) for
// "auto"; a code of two or three small Latin letters, with or without a
// region of two capital ones ("pt_BR"), as it stands; otherwise "ru" (also
// for an empty value). Which codes the program has texts for is the interface's business:
// it shows any other in Russian, so a file from a newer version never leaves
// the program without texts.
std::string InterfaceLanguageOf(std::string_view value);

// The style value: bold flag, then italic flag, "0" or "1" each.
std::string FontStyleText(bool bold, bool italic);
// A flag is on unless its character is "0"; a missing character is on.
void ParseFontStyle(std::string_view text, bool& bold, bool& italic);
