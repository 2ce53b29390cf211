// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/mainsettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "tempfolder.h"

namespace {

TMainSettings ReadFrom(const TTempFolder& dir, const std::string& ini) {
  return ReadMainSettings(TProfileFile(dir.Write("Tamrix.ini", ini)));
}

TEST(MainSettings, MissingFileGivesDefaults) {
  TTempFolder dir;
  const TMainSettings s = ReadMainSettings(TProfileFile(dir.File("Tamrix.ini")));
  EXPECT_EQ(s.Left, 200);
  EXPECT_EQ(s.Top, 200);
  EXPECT_EQ(s.Width, 370);
  EXPECT_EQ(s.OutStr1, 1);
  EXPECT_EQ(s.OutStr2, 2);
  EXPECT_EQ(s.OutStr3, 4);
  EXPECT_TRUE(s.ErrorOn);
  EXPECT_TRUE(s.InTray);
  EXPECT_FALSE(s.Angle || s.OnTop || s.DropOut || s.ExprMem || s.CloseQuery);
  EXPECT_EQ(s.VK_Code, 123);
  EXPECT_EQ(s.fsModifiers, 2);
  EXPECT_EQ(s.NDigit, 18);
  EXPECT_EQ(s.NExpres, 10);
  EXPECT_EQ(s.DecimalSeparator, '.');
  EXPECT_EQ(s.ArgumentSeparator, ',');
  EXPECT_EQ(s.FontName, "MS Sans Serif");
  EXPECT_EQ(s.FontSize, 10);
  EXPECT_FALSE(s.FontBold || s.FontItalic);
  EXPECT_EQ(s.Expression, "");
}

struct TReadRow {
  std::string Ini;
  std::function<bool(const TMainSettings&)> Check;
  std::string What;
};

TEST(MainSettings, ReadingRules) {
  const TReadRow rows[] = {
      {"[Main]\r\nVK_Code=0x7B\r\n", [](auto& s) { return s.VK_Code == 123; }, "0x hexadecimal"},
      {"[Main]\r\nVK_Code=$70\r\n", [](auto& s) { return s.VK_Code == 0x70; }, "$ hexadecimal"},
      {"[Main]\r\nLeft=-15\r\n", [](auto& s) { return s.Left == -15; }, "negative"},
      {"[Main]\r\nLeft=abc\r\n", [](auto& s) { return s.Left == 200; }, "invalid -> default"},
      {"[Main]\r\nLeft=\r\n", [](auto& s) { return s.Left == 200; }, "empty -> default"},
      {"[Main]\r\nErrorOn=0\r\n", [](auto& s) { return !s.ErrorOn; }, "bool 0"},
      {"[Main]\r\nAngle=5\r\n", [](auto& s) { return s.Angle; }, "bool non-zero"},
      {"[Main]\r\nInTray=x\r\n", [](auto& s) { return s.InTray; }, "bool invalid -> default 1"},
      {"[Main]\r\nOnTop=-1\r\n", [](auto& s) { return s.OnTop; }, "bool -1"},
      {"[Font]\r\nStyle=1\r\n", [](auto& s) { return s.FontBold && s.FontItalic; }, "style 1"},
      {"[Font]\r\nStyle=10\r\n", [](auto& s) { return s.FontBold && !s.FontItalic; }, "style 10"},
      {"[Font]\r\nStyle=01\r\n", [](auto& s) { return !s.FontBold && s.FontItalic; }, "style 01"},
      {"[Font]\r\nStyle=00\r\n", [](auto& s) { return !s.FontBold && !s.FontItalic; }, "style 00"},
      {"[Font]\r\nStyle=\r\n", [](auto& s) { return s.FontBold && s.FontItalic; }, "style empty"},
      {"[Font]\r\nStyle=0x0\r\n", [](auto& s) { return !s.FontBold && s.FontItalic; }, "style cut at 2"},
      {"[Font]\r\nName=Arial\r\nSize=12\r\n", [](auto& s) { return s.FontName == "Arial" && s.FontSize == 12; },
       "font"},
      {"[Parser]\r\nDecimalSeparator=,\r\nArgumentSeparator=,\r\n",
       [](auto& s) { return s.DecimalSeparator == ',' && s.ArgumentSeparator == ';'; }, "equal separators"},
      {"[Parser]\r\nDecimalSeparator=,\r\nArgumentSeparator=;\r\n",
       [](auto& s) { return s.DecimalSeparator == ',' && s.ArgumentSeparator == ';'; }, "pair , ;"},
      {"[Parser]\r\nDecimalSeparator=\r\n", [](auto& s) { return s.DecimalSeparator == '.'; }, "empty separator"},
      {"[Parser]\r\nDecimalSeparator=,x\r\n", [](auto& s) { return s.DecimalSeparator == ','; }, "first char"},
      {"[Parser]\r\nArgumentSeparator=.\r\n", [](auto& s) { return s.ArgumentSeparator == ';'; },
       "argument equals default decimal"},
      {"[Parser]\r\nDecimalSeparator=\xE6\r\n", [](auto& s) { return s.DecimalSeparator == '.'; },
       "non-ASCII separator"},
      {"[Parser]\r\nNDigit=12\r\n", [](auto& s) { return s.NDigit == 12; }, "NDigit"},
      {"[Main]\r\nNDigit=12\r\n", [](auto& s) { return s.NDigit == 18; }, "NDigit lives in Parser"},
      {"[Main]\r\nExpression=2+2\r\n", [](auto& s) { return s.Expression == "2+2"; }, "expression"},
      {"[Main]\r\nExprMem=1\r\nExpression=2+2\r\n", [](auto& s) { return s.ExprMem && s.Expression.empty(); },
       "ExprMem: not restored"},
      {"[Main]\r\nExpression=" + std::string(3000, '7') + "\r\n",
       [](auto& s) { return s.Expression == std::string(2047, '7'); }, "2047 cut"},
      {"[Main]\r\nOutStr1=-10\r\nOutStr2=5\r\nOutStr3=0\r\n",
       [](auto& s) { return s.OutStr1 == -10 && s.OutStr2 == 5 && s.OutStr3 == 0; }, "format codes"},
      {"[Main]\r\nfsModifiers=6\r\n", [](auto& s) { return s.fsModifiers == 6; }, "modifiers"},
      {"[Main]\r\nLanguage=en\r\n", [](auto& s) { return s.Language == "en"; }, "language en"},
      {"[Main]\r\nLanguage=\r\n", [](auto& s) { return s.Language == "ru"; }, "language empty -> ru"},
      {"[Main]\r\nLanguage=de\r\n", [](auto& s) { return s.Language == "de"; }, "a code is kept for the windows"},
      {"[Main]\r\nLanguage=EN\r\n", [](auto& s) { return s.Language == "ru"; }, "language is exact"},
      {"[Main]\r\nLanguage=../en\r\n", [](auto& s) { return s.Language == "ru"; }, "not a code -> ru"},
      {"[Main]\r\n", [](auto& s) { return s.Language.empty(); }, "language missing: the desktop's"},
      {"[Main]\r\nLanguage=auto\r\n", [](auto& s) { return s.Language.empty(); }, "auto: the desktop's"},
      {"[Main]\r\nLanguage=pt_BR\r\n", [](auto& s) { return s.Language == "pt_BR"; }, "with its region"},
      {"[Main]\r\nLanguage=pt_br\r\n", [](auto& s) { return s.Language == "ru"; }, "region in capitals"},
      {"[Main]\r\nLanguage=zh_CNX\r\n", [](auto& s) { return s.Language == "ru"; }, "region of two"},
      {"[Main]\r\nLanguage=pt_\r\n", [](auto& s) { return s.Language == "ru"; }, "empty region"},
  };
  TTempFolder dir;
  for (const auto& r : rows) EXPECT_TRUE(r.Check(ReadFrom(dir, r.Ini))) << r.What;
}

TEST(MainSettings, WritesInClosingOrderAndReadsBack) {
  TTempFolder dir;
  TProfileFile file(dir.File("Tamrix.ini"));
  TMainSettings s;
  s.Left = 5;
  s.ExprMem = true;
  s.Expression = "sin(30)";
  s.FontBold = true;
  s.DecimalSeparator = ',';
  s.ArgumentSeparator = ';';
  s.VK_Code = 0x70;
  WriteMainSettings(file, s);
  EXPECT_EQ(dir.Read("Tamrix.ini"),
            "[Main]\r\nLeft=5\r\nTop=200\r\nWidth=370\r\nExprMem=1\r\nOnTop=0\r\nDropOut=0\r\nInTray=1\r\n"
            "CloseQuery=0\r\nErrorOn=1\r\nAngle=0\r\nNExpres=10\r\nExpression=sin(30)\r\nVK_Code=112\r\n"
            "fsModifiers=2\r\nOutStr1=1\r\nOutStr2=2\r\nOutStr3=4\r\n"
            "[Font]\r\nName=MS Sans Serif\r\nSize=10\r\nStyle=10\r\n"
            "[Parser]\r\nNDigit=18\r\nDecimalSeparator=,\r\nArgumentSeparator=;\r\n");
  const TMainSettings back = ReadMainSettings(file);
  EXPECT_EQ(back.Left, 5);
  EXPECT_TRUE(back.FontBold);
  EXPECT_FALSE(back.FontItalic);
  EXPECT_EQ(back.DecimalSeparator, ',');
  EXPECT_EQ(back.Expression, "");  // ExprMem set: written, but not restored
  EXPECT_EQ(file.ReadString("Main", "Expression", ""), "sin(30)");
}

// A language is written only as the user chose it: following the desktop
// leaves no key behind, and a value written by hand stays as it is.
TEST(MainSettings, LanguageIsWrittenOnlyWhenChosen) {
  const struct {
    std::string stored;  // the [Main] section before
    std::string chosen;  // the window's Language
    std::optional<std::string> after;
  } rows[] = {
      {"", "", std::nullopt},
      {"", "de", "de"},
      {"Language=en\r\n", "", std::nullopt},
      {"Language=auto\r\n", "", "auto"},
      {"Language=en\r\n", "pt_BR", "pt_BR"},
  };
  TTempFolder dir;
  for (const auto& r : rows) {
    dir.Write("Tamrix.ini", "[Main]\r\n" + r.stored);
    TProfileFile file(dir.File("Tamrix.ini"));
    TMainSettings s = ReadMainSettings(file);
    s.Language = r.chosen;
    WriteMainSettings(file, s);
    EXPECT_EQ(file.Load().Find("Main", "Language"), r.after) << r.stored << " + " << r.chosen;
    EXPECT_EQ(ReadMainSettings(file).Language, r.chosen) << r.stored << " + " << r.chosen;
  }
}

TEST(MainSettings, WritingKeepsOtherSections) {
  TTempFolder dir;
  dir.Write("Tamrix.ini", "[Function]\r\nLeft=20\r\n[Main]\r\nLeft=1\r\n");
  TProfileFile file(dir.File("Tamrix.ini"));
  WriteMainSettings(file, TMainSettings{});
  EXPECT_EQ(file.ReadInteger("Function", "Left", 0), 20);
  EXPECT_EQ(file.ReadInteger("Main", "Left", 0), 200);
  EXPECT_EQ(dir.Read("Tamrix.ini").rfind("[Function]\r\nLeft=20\r\n[Main]\r\nLeft=200\r\n", 0), 0u);
}

}  // namespace
