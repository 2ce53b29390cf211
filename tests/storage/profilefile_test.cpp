// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/profilefile.h"

#include <gtest/gtest.h>
#include <filesystem>

#include "storage/filebytes.h"
#include "filesizelimit.h"
#include "tempfolder.h"

namespace {

TEST(ProfileFile, EveryWriteReachesTheFileAtOnce) {
  TTempFolder dir;
  TProfileFile a(dir.File("Tamrix.ini"));
  TProfileFile b(dir.File("Tamrix.ini"));
  a.WriteInteger("Main", "Left", 7);
  EXPECT_EQ(b.ReadInteger("Main", "Left", 0), 7);
  b.WriteBool("Main", "OnTop", true);
  EXPECT_TRUE(a.ReadBool("Main", "OnTop", false));
  EXPECT_EQ(dir.Read("Tamrix.ini"), "[Main]\r\nLeft=7\r\nOnTop=1\r\n");
}

TEST(ProfileFile, FailedWriteLeavesOldFileIntact) {
  TTempFolder dir;
  const std::string old = "[Main]\r\nLeft=1\r\n";
  dir.Write("Tamrix.ini", old);
  TProfileFile file(dir.File("Tamrix.ini"));
  {
    TFileSizeLimit limit(old.size());
    try {
      file.WriteString("Main", "Expression", std::string(1000, '1'));
      FAIL() << "the write should fail";
    } catch (const EStorageError& e) {
      EXPECT_EQ(std::string(e.what()), "Unable to write to " + dir.File("Tamrix.ini"));
    }
  }
  EXPECT_EQ(dir.Read("Tamrix.ini"), old);
  EXPECT_EQ(dir.FileCount(), 1u);  // no temporary file left behind
}

TEST(ProfileFile, UnreadableFileIsNeverOverwritten) {
  TTempFolder dir;
  std::filesystem::create_directory(dir.File("Tamrix.ini"));  // a folder where the file should be
  TProfileFile file(dir.File("Tamrix.ini"));
  EXPECT_EQ(file.ReadInteger("Main", "Left", 200), 200);
  EXPECT_THROW(file.WriteInteger("Main", "Left", 1), EStorageError);
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("Tamrix.ini")));
}

TEST(ProfileFile, MissingFolderIsCreatedByTheFirstWrite) {
  TTempFolder dir;
  TProfileFile file(dir.File("sub/tamrix/Tamrix.ini"));
  EXPECT_EQ(file.ReadString("Main", "Expression", "d"), "d");
  file.WriteString("Main", "Expression", "1+1");
  EXPECT_EQ(dir.Read("sub/tamrix/Tamrix.ini"), "[Main]\r\nExpression=1+1\r\n");
}

TEST(ProfileFile, BatchIsOneRewrite) {
  TTempFolder dir;
  TProfileFile file(dir.File("Tamrix.ini"));
  file.Update([](TProfileDocument& doc) {
    doc.WriteInteger("A", "x", 1);
    doc.WriteInteger("B", "y", 2);
    doc.WriteInteger("A", "z", 3);
  });
  EXPECT_EQ(dir.Read("Tamrix.ini"), "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(file.ReadSections(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(file.ReadKeys("a"), (std::vector<std::string>{"x", "z"}));
}

TEST(FileBytes, WritingThroughALinkKeepsTheLink) {
  TTempFolder dir;
  dir.Write("real.ini", "[A]\r\nx=1\r\n");
  std::filesystem::create_symlink(dir.File("real.ini"), dir.File("Tamrix.ini"));
  TProfileFile(dir.File("Tamrix.ini")).WriteInteger("A", "x", 2);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("Tamrix.ini")));
  EXPECT_EQ(dir.Read("real.ini"), "[A]\r\nx=2\r\n");
}

TEST(FileBytes, ReadStatus) {
  TTempFolder dir;
  EXPECT_EQ(ReadFileBytes(dir.File("none")).Status, TReadStatus::Missing);
  EXPECT_EQ(ReadFileBytes(dir.File("none/x")).Status, TReadStatus::Missing);
  EXPECT_EQ(ReadFileBytes(dir.Path()).Status, TReadStatus::CannotOpen);
  dir.Write("f", std::string("a\0b", 3));
  const TFileBytes f = ReadFileBytes(dir.File("f"));
  EXPECT_EQ(f.Status, TReadStatus::Ok);
  EXPECT_EQ(f.Bytes, std::string("a\0b", 3));
  // Sparse files: a file of exactly 256 MiB is read, one byte more is refused.
  constexpr std::size_t kCap = std::size_t{256} << 20;
  std::filesystem::resize_file(dir.File("f"), kCap);
  EXPECT_EQ(ReadFileBytes(dir.File("f")).Bytes.size(), kCap);
  std::filesystem::resize_file(dir.File("f"), kCap + 1);
  EXPECT_EQ(ReadFileBytes(dir.File("f")).Status, TReadStatus::CannotOpen);
}

}  // namespace
