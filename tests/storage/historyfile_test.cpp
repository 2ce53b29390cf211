// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/historyfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/storageerror.h"
#include "tempfolder.h"

namespace {

using TLines = std::vector<std::string>;

struct TReadRow {
  std::string Bytes;
  TLines Expected;
};

TEST(HistoryFile, ReadingRules) {
  const TReadRow rows[] = {
      {"", {}},
      {"1+2\r\nsin(30)\r\n", {"1+2", "sin(30)"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},  // every line end; last line without one
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},       // empty line kept
      {"\r\n", {""}},
      {"a\n\n", {"a", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},  // NUL ends the text
      {std::string("\0a", 2), {}},
      {"\xF1\xE8\xED(30)\r\n", {"син(30)"}},
      {"\xEF\xBB\xBF日本\r\n", {"日本"}},
  };
  TTempFolder dir;
  for (const auto& r : rows) EXPECT_EQ(ReadHistory(dir.Write("Tamrix.his", r.Bytes)), r.Expected) << r.Bytes;
}

TEST(HistoryFile, MissingOrUnopenableFileIsEmpty) {
  TTempFolder dir;
  EXPECT_TRUE(ReadHistory(dir.File("Tamrix.his")).empty());
  EXPECT_TRUE(ReadHistory(dir.Path()).empty());
}

struct TWriteRow {
  TLines Entries;
  int NExpres;
  std::string Bytes;
};

TEST(HistoryFile, WritingTrimsToNExpres) {
  const TWriteRow rows[] = {
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 3, "1\r\n2\r\n3\r\n"},
      {{"1", "2"}, 10, "1\r\n2\r\n"},
      {{"1", "2"}, 0, ""},
      {{"1", "2"}, -4, ""},
      {{}, 10, ""},
      {{"", "x"}, 10, "\r\nx\r\n"},
      {{"син"}, 10, "\xF1\xE8\xED\r\n"},
      {{"日本", "x"}, 10, "\xEF\xBB\xBF日本\r\nx\r\n"},
      {{"a\r\nb"}, 10, "a  b\r\n"},  // one entry stays one line
  };
  TTempFolder dir;
  for (const auto& r : rows) {
    WriteHistory(dir.File("Tamrix.his"), r.Entries, r.NExpres);
    EXPECT_EQ(dir.Read("Tamrix.his"), r.Bytes);
  }
}

TEST(HistoryFile, RoundTrip) {
  const TLines entries = {"1/sqrt(2*Pi)", "", "x^2", "синус", "€5", "日本"};
  TTempFolder dir;
  WriteHistory(dir.File("Tamrix.his"), entries, 100);
  EXPECT_EQ(ReadHistory(dir.File("Tamrix.his")), entries);
}

TEST(HistoryFile, FailedWriteKeepsOldFile) {
  TTempFolder dir;
  std::filesystem::create_directory(dir.File("Tamrix.his"));
  try {
    WriteHistory(dir.File("Tamrix.his"), {"1"}, 10);
    FAIL() << "the write should fail";
  } catch (const EStorageError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + dir.File("Tamrix.his"));
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("Tamrix.his")));
  EXPECT_EQ(dir.FileCount(), 1u);
}

}  // namespace
