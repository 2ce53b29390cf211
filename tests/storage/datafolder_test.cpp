// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/datafolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tempfolder.h"

namespace {

TEST(DataFolder, Resolution) {
  TTempFolder dir;
  const TUserDirs user{"/xdg", "/home/u"};
  // The override wins.
  EXPECT_EQ(ResolveProgramDir(dir.File("tamrix"), std::string("/data"), user), "/data/");
  EXPECT_EQ(ResolveProgramDir(dir.File("tamrix"), std::string("/data/"), user), "/data/");
  // A writable program folder.
  EXPECT_EQ(ResolveProgramDir(dir.File("tamrix"), std::nullopt, user), dir.Path());
  // A program folder nobody can write (one that does not exist stands in for
  // it, whatever the rights of the test): the configuration folder.
  const std::string ro = dir.File("missing/bin/tamrix");
  EXPECT_EQ(ResolveProgramDir(ro, std::nullopt, user), "/xdg/tamrix/");
  EXPECT_EQ(ResolveProgramDir(ro, std::nullopt, TUserDirs{"", "/home/u"}), "/home/u/.config/tamrix/");
  EXPECT_EQ(ResolveProgramDir(ro, std::nullopt, TUserDirs{"relative", "/home/u"}), "/home/u/.config/tamrix/");
}

TEST(DataFolder, ProgramFolderHoldingSettingsIsKept) {
  TTempFolder dir;
  std::filesystem::create_directory(dir.File("bin"));
  dir.Write("bin/Tamrix.ini", "");
  ::chmod(dir.File("bin").c_str(), 0555);
  EXPECT_EQ(ResolveProgramDir(dir.File("bin/tamrix"), std::nullopt, TUserDirs{"/xdg", ""}), dir.File("bin/"));
  ::chmod(dir.File("bin").c_str(), 0755);
}

TEST(DataFolder, LoadsSettingsAndListsIntoTheParser) {
  TTempFolder dir;
  dir.Write("Tamrix.ini",
            "[Main]\r\nErrorOn=0\r\nAngle=1\r\nOutStr1=3\r\n[Parser]\r\nNDigit=10\r\n"
            "DecimalSeparator=,\r\nArgumentSeparator=,\r\n");
  dir.Write("variables.lst", "[P]\r\ng=9.81|9.81|gravity\r\n");
  dir.Write("functions.lst", "[G]\r\nsq(x)=x*x|square\r\n");
  TZQParser parser;
  const TDataFolderContent content = LoadDataFolder(dir.Path(), parser, TListLoadMode::ReadOnly);
  EXPECT_FALSE(parser.ErrorOn);
  EXPECT_TRUE(parser.Angle);
  EXPECT_EQ(parser.NDigit, 10);
  EXPECT_EQ(parser.DecimalSeparator, ',');
  EXPECT_EQ(parser.ArgumentSeparator, ';');
  EXPECT_EQ(content.Settings.OutStr1, 3);
  EXPECT_EQ(parser.UserConstants.Lines(), std::vector<std::string>{"g=9.81"});
  EXPECT_EQ(parser.UserFunctions.Lines(), std::vector<std::string>{"sq=x|x*x"});
  EXPECT_EQ(content.Constants.Categories, std::vector<std::string>{"P"});
  EXPECT_EQ(content.Functions.Groups.size(), 1u);
  EXPECT_TRUE(content.Errors.empty());
}

TEST(DataFolder, EmptyFolderGivesDefaults) {
  TTempFolder dir;
  TZQParser parser;
  const TDataFolderContent content = LoadDataFolder(dir.Path(), parser);
  EXPECT_TRUE(parser.ErrorOn);
  EXPECT_FALSE(parser.Angle);
  EXPECT_EQ(parser.NDigit, 18);
  EXPECT_EQ(content.Settings.OutStr3, 4);
  EXPECT_EQ(parser.UserConstants.Count(), 0);
  EXPECT_EQ(dir.FileCount(), 0u);  // loading writes nothing
}

}  // namespace
