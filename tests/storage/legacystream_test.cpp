// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/legacystream.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "legacybuilder.h"

namespace {

using namespace legacy;

TEST(LegacyStream, Signature) {
  struct TRow {
    std::string Bytes;
    bool Legacy;
  };
  const TRow rows[] = {
      {Header(0), true},
      {Header(1), true},
      {Header(2), true},
      {Header(3), false},
      {Header(1).substr(0, 11), false},
      {"", false},
      {U16(0x2045) + U16(0x0056) + U16(0x0054) + U16(1) + U16(0x1234) + U16(0x2046), true},  // any 5th unit
      {U16(0x2045) + U16(0x0056) + U16(0x0055) + U16(1) + U16(0x20) + U16(0x2046), false},
      {U16(0x2045) + U16(0x0056) + U16(0x0054) + U16(1) + U16(0x20) + U16(0x2047), false},
      {"[Main]\r\nA=1\r\n", false},
  };
  for (const auto& r : rows) EXPECT_EQ(IsLegacyStream(r.Bytes), r.Legacy) << r.Bytes.size();
}

TEST(LegacyStream, ReadsEveryVersion) {
  for (int version : {0, 1, 2}) {
    const TLegacyStream s = ReadLegacyStream(PhysicsConstants(version), 5);
    ASSERT_TRUE(s.IsLegacy);
    EXPECT_FALSE(s.Corrupt) << version;
    ASSERT_EQ(s.Rows.size(), 1u);
    EXPECT_EQ(s.Rows[0].Fields[0], "Физика");
    ASSERT_EQ(s.Rows[0].Children.size(), 2u);
    EXPECT_EQ(s.Rows[0].Children[0].Fields,
              (std::vector<std::string>{"g", "9.81", "9.81", "gravity", "Физика"}));
    EXPECT_EQ(s.Rows[0].Children[1].Fields[2], "300000000");
  }
}

struct TCorruptRow {
  std::string Bytes;
  std::size_t RowsKept;
  std::string What;
};

TEST(LegacyStream, CorruptStreamsStopAndKeepWhatWasRead) {
  const std::string good = Row(1, {"A", "", "", ""});
  const std::string goodV2 = Row(2, {"A", "", "", ""});
  const std::string full = PhysicsConstants(1);
  std::string wrongType = good;
  wrongType[0] = 3;
  std::string sizePastEnd = good;
  sizePastEnd.replace(4, 4, U32(0xFFFFFFF0u));
  std::string sizeShort = good;
  sizeShort.replace(4, 4, U32(static_cast<std::uint32_t>(good.size() - 8 - 3)));
  const std::string fieldPastEnd = U32(1) + U32(16) + SubChunk(4, U32(1000) + "abcd");
  const std::string hugeChildren =
      U32(1) + U32(20) + SubChunk(2, U32(0xFFFFFFFFu) + U32(18) + std::string(4, '\0'));
  const TCorruptRow rows[] = {
      {Stream(1, {good, wrongType}), 2, "row type not 1"},
      {Stream(1, {good, sizePastEnd}), 2, "row size past the end"},
      {Stream(1, {good, sizeShort}), 2, "sub-chunks do not end at the row's size"},
      {full.substr(0, full.size() - 1), 1, "truncated"},
      {full.substr(0, 20), 1, "truncated in a row header"},
      {Header(1) + "\x01\x00", 1, "bytes too few for a row"},
      {Stream(2, {goodV2}) + goodV2, 1, "version 2 stops at its count"},
      {Header(2) + U32(3) + goodV2, 2, "version 2 count past the end"},
      {Header(2), 0, "version 2 without count"},
      {Stream(1, {fieldPastEnd}), 1, "field size past the chunk"},
      {Stream(1, {hugeChildren}), 1, "child count past the end"},
  };
  for (const auto& r : rows) {
    const TLegacyStream s = ReadLegacyStream(r.Bytes, 4);
    EXPECT_TRUE(s.IsLegacy) << r.What;
    EXPECT_EQ(s.Corrupt, r.What != "version 2 stops at its count") << r.What;
    EXPECT_EQ(s.Rows.size(), r.RowsKept) << r.What;
  }
}

TEST(LegacyStream, DeepNestingIsCorruptNotAStackOverflow) {
  // Rows below the top one: 64 levels are still a tree the program wrote.
  const std::pair<int, bool> rows[] = {{64, false}, {65, true}, {200, true}};
  for (const auto& [levels, corrupt] : rows) {
    std::string row = Row(1, {"leaf", "", "", ""});
    for (int i = 0; i < levels; ++i) row = Row(1, {"x", "", "", ""}, {row});
    const TLegacyStream s = ReadLegacyStream(Stream(1, {row}), 4);
    EXPECT_EQ(s.Corrupt, corrupt) << levels;
  }
}

}  // namespace
