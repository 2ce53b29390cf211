// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/mainsettings.h"

#include <algorithm>

namespace {

constexpr std::string_view kMain = "Main";
constexpr std::string_view kFont = "Font";
constexpr std::string_view kParser = "Parser";

// The first character of the value. A value whose first character is not a
// plain ASCII sign (empty, or a letter of another alphabet) cannot be a
// separator of the parser, which works on single bytes: the default is used.
char ReadCharacter(const TProfileDocument& f, std::string_view key, char def) {
  const std::string text = f.ReadString(kParser, key, std::string(1, def));
  if (text.empty()) return def;
  const auto c = static_cast<unsigned char>(text[0]);
  if (c < 0x20 || c >= 0x7F) return def;
  return static_cast<char>(c);
}

}  // namespace

std::string FontStyleText(bool bold, bool italic) {
  return std::string(bold ? "1" : "0") + (italic ? "1" : "0");
}

void ParseFontStyle(std::string_view text, bool& bold, bool& italic) {
  bold = !(text.size() >= 1 && text[0] == '0');
  italic = !(text.size() >= 2 && text[1] == '0');
}

std::string InterfaceLanguageOf(std::string_view value) {
  if (value == kDesktopLanguageValue) return {};
  const std::size_t bar = value.find('_');
  const std::string_view language = value.substr(0, bar);
  const std::string_view region = bar == std::string_view::npos ? std::string_view{} : value.substr(bar + 1);
  const auto all = [](std::string_view part, char first, char last) {
    return std::all_of(part.begin(), part.end(), [=](char c) { return c >= first && c <= last; });
  };
  const bool isCode = (language.size() == 2 || language.size() == 3) && all(language, 'a', 'z') &&
                      (bar == std::string_view::npos || (region.size() == 2 && all(region, 'A', 'Z')));
  return isCode ? std::string(value) : kSourceLanguage;
}

TMainSettings ReadMainSettings(const TProfileDocument& f) {
  TMainSettings s;
  s.FontName = f.ReadString(kFont, "Name", s.FontName);
  s.FontSize = f.ReadInteger(kFont, "Size", s.FontSize);
  ParseFontStyle(f.ReadString(kFont, "Style", "00"), s.FontBold, s.FontItalic);

  s.Left = f.ReadInteger(kMain, "Left", s.Left);
  s.Top = f.ReadInteger(kMain, "Top", s.Top);
  s.Width = f.ReadInteger(kMain, "Width", s.Width);
  s.ExprMem = f.ReadBool(kMain, "ExprMem", s.ExprMem);
  s.InTray = f.ReadBool(kMain, "InTray", s.InTray);
  s.CloseQuery = f.ReadBool(kMain, "CloseQuery", s.CloseQuery);
  s.OnTop = f.ReadBool(kMain, "OnTop", s.OnTop);
  s.DropOut = f.ReadBool(kMain, "DropOut", s.DropOut);
  s.ErrorOn = f.ReadBool(kMain, "ErrorOn", s.ErrorOn);
  s.Angle = f.ReadBool(kMain, "Angle", s.Angle);

  s.DecimalSeparator = ReadCharacter(f, "DecimalSeparator", s.DecimalSeparator);
  s.ArgumentSeparator = ReadCharacter(f, "ArgumentSeparator", s.ArgumentSeparator);
  if (s.ArgumentSeparator == s.DecimalSeparator) s.ArgumentSeparator = ';';

  if (!s.ExprMem) s.Expression = f.ReadString(kMain, "Expression", "");

  s.NDigit = f.ReadInteger(kParser, "NDigit", s.NDigit);
  s.NExpres = f.ReadInteger(kMain, "NExpres", s.NExpres);
  s.VK_Code = static_cast<std::uint16_t>(f.ReadInteger(kMain, "VK_Code", s.VK_Code));
  s.fsModifiers = static_cast<std::uint16_t>(f.ReadInteger(kMain, "fsModifiers", s.fsModifiers));
  s.OutStr1 = f.ReadInteger(kMain, "OutStr1", s.OutStr1);
  s.OutStr2 = f.ReadInteger(kMain, "OutStr2", s.OutStr2);
  s.OutStr3 = f.ReadInteger(kMain, "OutStr3", s.OutStr3);
  s.Language = InterfaceLanguageOf(f.ReadString(kMain, "Language", kDesktopLanguageValue));
  return s;
}

TMainSettings ReadMainSettings(const TProfileFile& file) { return ReadMainSettings(file.Load()); }

void WriteMainSettings(TProfileDocument& f, const TMainSettings& s) {
  f.WriteInteger(kMain, "Left", s.Left);
  f.WriteInteger(kMain, "Top", s.Top);
  f.WriteInteger(kMain, "Width", s.Width);
  f.WriteBool(kMain, "ExprMem", s.ExprMem);
  f.WriteBool(kMain, "OnTop", s.OnTop);
  f.WriteBool(kMain, "DropOut", s.DropOut);
  f.WriteBool(kMain, "InTray", s.InTray);
  f.WriteBool(kMain, "CloseQuery", s.CloseQuery);
  f.WriteBool(kMain, "ErrorOn", s.ErrorOn);
  f.WriteBool(kMain, "Angle", s.Angle);
  f.WriteInteger(kMain, "NExpres", s.NExpres);
  f.WriteString(kMain, "Expression", s.Expression);

  f.WriteString(kFont, "Name", s.FontName);
  f.WriteInteger(kFont, "Size", s.FontSize);
  f.WriteString(kFont, "Style", FontStyleText(s.FontBold, s.FontItalic));

  f.WriteInteger(kParser, "NDigit", s.NDigit);
  f.WriteString(kParser, "DecimalSeparator", std::string(1, s.DecimalSeparator));
  f.WriteString(kParser, "ArgumentSeparator", std::string(1, s.ArgumentSeparator));

  f.WriteInteger(kMain, "VK_Code", s.VK_Code);
  f.WriteInteger(kMain, "fsModifiers", s.fsModifiers);
  f.WriteInteger(kMain, "OutStr1", s.OutStr1);
  f.WriteInteger(kMain, "OutStr2", s.OutStr2);
  f.WriteInteger(kMain, "OutStr3", s.OutStr3);
  if (!s.Language.empty())
    f.WriteString(kMain, "Language", s.Language);
  else if (!InterfaceLanguageOf(f.ReadString(kMain, "Language", kDesktopLanguageValue)).empty())
    f.DeleteKey(kMain, "Language");
}

void WriteMainSettings(TProfileFile& file, const TMainSettings& s) {
  file.Update([&](TProfileDocument& doc) { WriteMainSettings(doc, s); });
}
