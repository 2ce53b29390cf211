// SPDX-License-Identifier: GPL-3.0-or-later
// Every save of the storage layer under every injected disk fault: the save
// reports its message with the file's path, the previous file stays byte for
// byte, no temporary file is left behind, and the same save works once the
// fault is gone.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "storage/historyfile.h"
#include "storage/listfiles.h"
#include "storage/mainsettings.h"
#include "storage/profilefile.h"
#include "storage/storageerror.h"
#include "tests/hardening/injectedfault.h"
#include "tests/storage/legacybuilder.h"
#include "tests/storage/tempfolder.h"

namespace {

TConstPage OneConstant() {
  TConstPage page;
  page.AddGroup("Physics").Entries.push_back({"g", "9.81", "9.81", "gravity", "Physics"});
  return page;
}

TFuncPage OneFunction() {
  TFuncPage page;
  page.AddGroup("Geometry").Entries.push_back({"hyp(a,b)", "sqrt(a^2+b^2)", "hypotenuse", "Geometry"});
  return page;
}

struct TSaveCase {
  const char* Name;
  const char* FileName;
  std::string OldBytes;  // the file before the save
  std::string Message;   // the text before the path
  std::function<void(const std::string& path)> Save;
};

std::vector<TSaveCase> SaveCases() {
  return {
      {"profile write", "Tamrix.ini", "[Main]\r\nLeft=10\r\n", "Unable to write to ",
       [](const std::string& p) { TProfileFile(p).WriteString("Main", "Left", "300"); }},
      {"all settings", "Tamrix.ini", "[Main]\r\nLeft=10\r\n[Function]\r\nWidth=400\r\n", "Unable to write to ",
       [](const std::string& p) {
         TProfileFile f(p);
         TMainSettings s;
         s.Left = 5;
         WriteMainSettings(f, s);
       }},
      {"history", "Tamrix.his", "sin(30)\r\n2+2\r\n", "Cannot create file ",
       [](const std::string& p) { WriteHistory(p, {"1+1", "2*3"}, 10); }},
      {"constants", "variables.lst", "[Old]\r\nx=1|1|\r\n", "Unable to write to ",
       [](const std::string& p) { SaveConstFile(p, OneConstant()); }},
      {"functions", "functions.lst", "[Old]\r\nf(x)=x|\r\n", "Unable to write to ",
       [](const std::string& p) { SaveFuncFile(p, OneFunction()); }},
      {"legacy conversion", "variables.lst", legacy::PhysicsConstants(2), "Unable to write to ",
       [](const std::string& p) {
         TConstPage page;
         TZQTextList lines;
         try {
           LoadConstFile(p, page, lines);
         } catch (const EStorageError&) {
           // What was read is kept although the conversion failed.
           EXPECT_EQ(lines.Count(), 2);
           throw;
         }
       }},
  };
}

struct TFaultCase {
  const char* Mode;
  bool WholeFolder;  // the fault hits the whole data folder, else the file only
};

constexpr TFaultCase kFaults[] = {
    {"readonly", true},  // the data folder cannot be written
    {"nospace", false},  // the disk is full
    {"halfway", false},  // a write stores half and then fails
    {"fsync", false},    // the data never reach the disk
    {"rename", false},   // the new file cannot take the old one's place
};

std::string SaveMessage(const TSaveCase& c, const std::string& path) {
  try {
    c.Save(path);
  } catch (const EStorageError& e) {
    return e.what();
  }
  return "(no failure reported)";
}

}  // namespace

TEST(FaultShim, StandsInFrontOfTheCLibrary) {
  TTempFolder folder;
  const std::string path = folder.File("probe");
  TInjectedFault fault("readonly", folder.Path());
  errno = 0;
  EXPECT_EQ(::open(path.c_str(), O_WRONLY | O_CREAT, 0644), -1);
  EXPECT_EQ(errno, EROFS);
  EXPECT_EQ(fault.Hits(), 1);
  EXPECT_FALSE(folder.Exists("probe"));
}

// Each fault does what it says to a file under the pattern, and nothing to
// a file outside it.
TEST(FaultShim, EachFaultOnlyWhereItIsAimed) {
  struct TRow {
    const char* Mode;
    ssize_t FirstWrite;  // result of writing 6 bytes, -1 for a failure
    int FirstErrno;
    ssize_t SecondWrite;
    int SyncResult;
    int RenameResult;
  };
  const TRow rows[] = {
      {"nospace", -1, ENOSPC, -1, 0, 0},
      {"halfway", 3, 0, -1, 0, 0},
      {"fsync", 6, 0, 6, -1, 0},
      {"rename", 6, 0, 6, 0, -1},
  };
  for (const TRow& r : rows) {
    SCOPED_TRACE(r.Mode);
    TTempFolder folder;
    TInjectedFault fault(r.Mode, "aimed");
    for (const std::string name : {"aimed", "other"}) {
      const bool aimed = name == "aimed";
      const std::string path = folder.File(name);
      const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      ASSERT_GE(fd, 0);
      errno = 0;
      EXPECT_EQ(::write(fd, "abcdef", 6), aimed ? r.FirstWrite : 6);
      if (aimed && r.FirstWrite < 0) {
        EXPECT_EQ(errno, r.FirstErrno);
      }
      EXPECT_EQ(::write(fd, "ghijkl", 6), aimed ? r.SecondWrite : 6);
      EXPECT_EQ(::fsync(fd), aimed ? r.SyncResult : 0);
      ::close(fd);
      EXPECT_EQ(::rename(path.c_str(), (path + "2").c_str()), aimed ? r.RenameResult : 0);
    }
    EXPECT_EQ(folder.Read("other2"), "abcdefghijkl");
  }
}

TEST(FaultShim, ReadErrorBreaksOffAfterTheFirstBytes) {
  TTempFolder folder;
  const std::string path = folder.Write("aimed", "abcdefgh");
  TInjectedFault fault("readerror", "aimed");
  const int fd = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  char buf[16];
  EXPECT_EQ(::read(fd, buf, sizeof buf), 4);
  errno = 0;
  EXPECT_EQ(::read(fd, buf, sizeof buf), -1);
  EXPECT_EQ(errno, EIO);
  ::close(fd);
}

TEST(StorageFaults, FailedSaveReportsAndKeepsThePreviousFile) {
  for (const TFaultCase& f : kFaults) {
    for (const TSaveCase& c : SaveCases()) {
      SCOPED_TRACE(std::string(f.Mode) + " / " + c.Name);
      TTempFolder folder;
      const std::string path = folder.Write(c.FileName, c.OldBytes);
      {
        TInjectedFault fault(f.Mode, f.WholeFolder ? folder.Path() : std::string(c.FileName));
        EXPECT_EQ(SaveMessage(c, path), c.Message + path);
        EXPECT_GT(fault.Hits(), 0);
      }
      EXPECT_EQ(folder.Read(c.FileName), c.OldBytes);
      EXPECT_EQ(folder.FileCount(), 1u) << "a temporary file was left behind";
      // The program goes on: the same save succeeds once the disk is back.
      EXPECT_NO_THROW(c.Save(path));
      EXPECT_NE(folder.Read(c.FileName), c.OldBytes);
      EXPECT_EQ(folder.FileCount(), 1u);
    }
  }
}

TEST(StorageFaults, FailedFirstSaveCreatesNothing) {
  for (const TFaultCase& f : kFaults) {
    for (const TSaveCase& c : SaveCases()) {
      if (std::string(c.Name) == "legacy conversion") continue;  // needs a file to convert
      SCOPED_TRACE(std::string(f.Mode) + " / " + c.Name);
      TTempFolder folder;
      const std::string path = folder.File(c.FileName);
      TInjectedFault fault(f.Mode, f.WholeFolder ? folder.Path() : std::string(c.FileName));
      EXPECT_EQ(SaveMessage(c, path), c.Message + path);
      EXPECT_EQ(folder.FileCount(), 0u);
    }
  }
}

TEST(StorageFaults, FileReplacedByAFolder) {
  for (const TSaveCase& c : SaveCases()) {
    if (std::string(c.Name) == "legacy conversion") continue;  // a folder is no legacy file
    SCOPED_TRACE(c.Name);
    TTempFolder folder;
    const std::string path = folder.File(c.FileName);
    std::filesystem::create_directory(path);
    folder.Write(std::string(c.FileName) + "/inside", "kept");
    EXPECT_EQ(SaveMessage(c, path), c.Message + path);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(folder.Read(std::string(c.FileName) + "/inside"), "kept");
    EXPECT_EQ(folder.FileCount(), 1u);
  }
}

TEST(StorageFaults, DataFolderReplacedByAFile) {
  for (const TSaveCase& c : SaveCases()) {
    if (std::string(c.Name) == "legacy conversion") continue;
    SCOPED_TRACE(c.Name);
    TTempFolder folder;
    folder.Write("data", "not a folder");
    const std::string path = folder.File("data/") + c.FileName;
    EXPECT_EQ(SaveMessage(c, path), c.Message + path);
    EXPECT_EQ(folder.Read("data"), "not a folder");
    EXPECT_EQ(folder.FileCount(), 1u);
  }
}
