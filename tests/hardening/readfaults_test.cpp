// SPDX-License-Identifier: GPL-3.0-or-later
// Reading that breaks off midway (an I/O error after the first bytes): the
// readers report "Stream read error" where a message is due, fall back to
// the defaults where none is, and nothing is overwritten on the strength of
// a half-read file.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commandline.h"
#include "storage/datafolder.h"
#include "storage/historyfile.h"
#include "storage/listfiles.h"
#include "storage/mainsettings.h"
#include "storage/profilefile.h"
#include "storage/storageerror.h"
#include "tests/hardening/injectedfault.h"
#include "tests/storage/tempfolder.h"

namespace {
const std::string kSettings = "[Main]\r\nLeft=10\r\nOutStr1=3\r\n[Parser]\r\nNDigit=7\r\n";
const std::string kConstants = "[Physics]\r\ng=9.81|9.81|gravity\r\nc=3e8|300000000|\r\n";
}  // namespace

TEST(ReadFaults, HistoryReportsTheBrokenRead) {
  TTempFolder folder;
  const std::string path = folder.Write("Tamrix.his", "sin(30)\r\n2+2\r\n");
  TInjectedFault fault("readerror", "Tamrix.his");
  try {
    ReadHistory(path);
    ADD_FAILURE() << "no failure reported";
  } catch (const EStorageError& e) {
    EXPECT_EQ(std::string(e.what()), "Stream read error: " + path);
  }
  EXPECT_GT(fault.Hits(), 0);
}

TEST(ReadFaults, ListFileReportsTheBrokenReadAndIsLeftAlone) {
  TTempFolder folder;
  const std::string path = folder.Write("variables.lst", kConstants);
  TConstPage page;
  TZQTextList lines;
  {
    TInjectedFault fault("readerror", "variables.lst");
    try {
      LoadConstFile(path, page, lines);
      ADD_FAILURE() << "no failure reported";
    } catch (const EStorageError& e) {
      EXPECT_EQ(std::string(e.what()), "Stream read error: " + path);
    }
    EXPECT_GT(fault.Hits(), 0);
  }
  EXPECT_EQ(folder.Read("variables.lst"), kConstants);
}

TEST(ReadFaults, SettingsFallBackToDefaultsAndAreNotOverwritten) {
  TTempFolder folder;
  const std::string path = folder.Write("Tamrix.ini", kSettings);
  TProfileFile file(path);
  TInjectedFault fault("readerror", "Tamrix.ini");
  const TMainSettings s = ReadMainSettings(file);
  EXPECT_EQ(s.Left, TMainSettings{}.Left);
  EXPECT_EQ(s.NDigit, TMainSettings{}.NDigit);
  // Writing one key would wipe every key that could not be read.
  try {
    file.WriteInteger("Main", "Top", 5);
    ADD_FAILURE() << "no failure reported";
  } catch (const EStorageError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
  EXPECT_EQ(folder.Read("Tamrix.ini"), kSettings);
}

TEST(ReadFaults, DataFolderLoadGoesOnWithAMessage) {
  TTempFolder folder;
  folder.Write("Tamrix.ini", kSettings);
  folder.Write("variables.lst", kConstants);
  folder.Write("functions.lst", "[Geometry]\r\nhyp(a,b)=sqrt(a^2+b^2)|\r\n");
  TZQParser parser;
  TInjectedFault fault("readerror", "variables.lst");
  const TDataFolderContent content = LoadDataFolder(folder.Path(), parser);
  ASSERT_EQ(content.Errors.size(), 1u);
  EXPECT_EQ(content.Errors[0].Id, TStorageMessageId::StreamReadError);
  EXPECT_EQ(content.Errors[0].Path, folder.File("variables.lst"));
  EXPECT_EQ(StorageMessageText(content.Errors[0]), "Stream read error: " + folder.File("variables.lst"));
  EXPECT_EQ(content.Settings.NDigit, 7);
  EXPECT_EQ(parser.UserFunctions.Count(), 1);
}

TEST(ReadFaults, CommandLineReportsTheBrokenReadByItsId) {
  TTempFolder folder;
  folder.Write("variables.lst", kConstants);
  const std::string dir = folder.Path();
  std::vector<std::string> args = {"tamrix", "--dir", dir, "--eval", "1+1"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  const TStorageMessageTranslation byId = [](const std::string&, const TStorageMessage& m) {
    return "#" + std::to_string(static_cast<int>(m.Id)) + " " + m.Path;
  };
  for (const bool translated : {false, true}) {
    TInjectedFault fault("readerror", "variables.lst");
    std::istringstream in;
    std::ostringstream out, err;
    const auto status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err, {},
                                       translated ? byId : TStorageMessageTranslation{});
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.str().find("\t2\t"), std::string::npos) << out.str();  // the evaluation goes on
    const std::string shown = translated ? "#2 " : "Stream read error: ";
    EXPECT_EQ(err.str(), "tamrix: " + shown + folder.File("variables.lst") + "\n") << translated;
  }
}

TEST(ReadFaults, FolderInPlaceOfEachFileReadsAsMissing) {
  TTempFolder folder;
  for (const char* name : {"Tamrix.ini", "Tamrix.his", "variables.lst", "functions.lst"}) {
    std::filesystem::create_directory(folder.File(name));
  }
  TZQParser parser;
  const TDataFolderContent content = LoadDataFolder(folder.Path(), parser);
  EXPECT_TRUE(content.Errors.empty());
  EXPECT_EQ(content.Settings.NDigit, TMainSettings{}.NDigit);
  EXPECT_TRUE(content.Constants.Groups.empty());
  EXPECT_TRUE(content.Functions.Groups.empty());
  EXPECT_TRUE(ReadHistory(folder.File("Tamrix.his")).empty());
  EXPECT_EQ(folder.FileCount(), 4u);
}
