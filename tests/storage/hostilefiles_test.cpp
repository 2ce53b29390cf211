// SPDX-License-Identifier: GPL-3.0-or-later
// Files no program wrote: each loads, ends, and gives the documented outcome.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "legacybuilder.h"
#include "storage/historyfile.h"
#include "storage/legacystream.h"
#include "storage/listfiles.h"
#include "storage/mainsettings.h"
#include "tempfolder.h"

namespace {

std::string Garbage(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::string s(size, '\0');
  for (char& c : s) c = static_cast<char>(rng());
  return s;
}

struct TLoaded {
  TConstPage Page;
  TZQTextList Lines;
};

TLoaded LoadConsts(const TTempFolder& dir, const std::string& bytes) {
  TLoaded l;
  LoadConstFile(dir.Write("variables.lst", bytes), l.Page, l.Lines);
  return l;
}

TEST(HostileFiles, BinaryGarbage) {
  TTempFolder dir;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    const std::string bytes = Garbage(64 * 1024, seed);
    const TLoaded l = LoadConsts(dir, bytes);
    std::size_t entries = 0;
    for (const auto& g : l.Page.Groups) entries += g.Entries.size();
    EXPECT_EQ(static_cast<std::size_t>(l.Lines.Count()), entries);
    EXPECT_EQ(dir.Read("variables.lst"), bytes);  // a profile file is never rewritten by reading
    ReadMainSettings(TProfileFile(dir.Write("Tamrix.ini", bytes)));
    ReadHistory(dir.Write("Tamrix.his", bytes));
  }
}

TEST(HostileFiles, GarbageBehindALegacyHeader) {
  TTempFolder dir;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    for (int version : {0, 1, 2}) {
      const std::string bytes = legacy::Header(static_cast<std::uint16_t>(version)) + Garbage(seed * 7, seed);
      TConstPage page;
      TZQTextList lines;
      LoadConstFile(dir.Write("variables.lst", bytes), page, lines, TListLoadMode::ReadOnly);
      EXPECT_EQ(dir.Read("variables.lst"), bytes);
    }
  }
}

TEST(HostileFiles, EveryCutOfALegacyStream) {
  const std::string full = legacy::PhysicsConstants(2);
  TTempFolder dir;
  for (std::size_t n = 0; n < full.size(); ++n) {
    const std::string bytes = full.substr(0, n);
    const TLoaded l = LoadConsts(dir, bytes);
    EXPECT_LE(l.Lines.Count(), 2) << n;
    EXPECT_EQ(dir.Read("variables.lst"), bytes) << n;  // corrupt: left unchanged
  }
}

TEST(HostileFiles, MutatedLegacyStreams) {
  // Mostly well-formed streams with a few bytes changed reach every branch
  // of the reader with sizes and counts that lie.
  std::mt19937 rng(42);
  for (int version : {0, 1, 2}) {
    const std::string good = legacy::PhysicsConstants(version);
    for (int round = 0; round < 3000; ++round) {
      std::string bytes = good;
      for (int flips = 1 + static_cast<int>(rng() % 4); flips > 0; --flips) {
        const std::size_t at = 12 + rng() % (bytes.size() - 12);
        bytes[at] = static_cast<char>(rng() % 3 == 0 ? 0xFF : rng());
      }
      const TLegacyStream s = ReadLegacyStream(bytes, 5);
      ASSERT_TRUE(s.IsLegacy);
      // Every row takes at least 8 bytes of the stream, kept or not.
      ASSERT_LE(s.Rows.size(), bytes.size() / 8 + 1);
    }
  }
}

TEST(HostileFiles, FiftyMegabytes) {
  TTempFolder dir;
  std::string bytes = "[Big]\r\n";
  const std::string block = "k=1|1|" + Garbage(4000, 3) + "\r\n";
  while (bytes.size() < 50u << 20) bytes += block;
  bytes += "[Last]\r\nz=2|2|end\r\n";
  const TLoaded l = LoadConsts(dir, bytes);
  ASSERT_FALSE(l.Page.Groups.empty());
  EXPECT_EQ(l.Page.Groups.back().Name, "Last");
  EXPECT_EQ(l.Lines.Lines().back(), "z=2");
}

TEST(HostileFiles, TenMegabyteLine) {
  TTempFolder dir;
  const std::string description(10u << 20, 'd');
  const TLoaded l = LoadConsts(dir, "[P]\r\nx=1|2|" + description + "\r\ny=3|3|\r\n");
  ASSERT_EQ(l.Page.Groups.size(), 1u);
  ASSERT_EQ(l.Page.Groups[0].Entries.size(), 2u);
  EXPECT_EQ(l.Page.Groups[0].Entries[0].Description, description);  // list values are read whole
  const auto history = ReadHistory(dir.Write("Tamrix.his", "a\r\n" + description + "\r\nb"));
  ASSERT_EQ(history.size(), 3u);
  EXPECT_EQ(history[1].size(), description.size());
  const TMainSettings s =
      ReadMainSettings(TProfileFile(dir.Write("Tamrix.ini", "[Main]\r\nExpression=" + description + "\r\n")));
  EXPECT_EQ(s.Expression.size(), 2047u);
}

TEST(HostileFiles, NulInTheMiddle) {
  TTempFolder dir;
  const std::string bytes("[P]\r\nx=1|1|\0\r\ny=2|2|\r\n", 22);
  const TLoaded l = LoadConsts(dir, bytes);
  EXPECT_EQ(l.Lines.Lines(), (std::vector<std::string>{"x=1", "y=2"}));
  EXPECT_EQ(ReadHistory(dir.Write("Tamrix.his", bytes)), (std::vector<std::string>{"[P]", "x=1|1|"}));
}

TEST(HostileFiles, ManySectionsAndKeys) {
  // Far more than the 16 KB that name lists once held: nothing is lost.
  TTempFolder dir;
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += "[Category number " + std::to_string(i) + "]\r\nname" +
                                          std::to_string(i) + "=1|1|\r\n";
  const TLoaded l = LoadConsts(dir, bytes);
  EXPECT_EQ(l.Page.Groups.size(), 5000u);
  EXPECT_EQ(l.Lines.Count(), 5000);
}

}  // namespace
