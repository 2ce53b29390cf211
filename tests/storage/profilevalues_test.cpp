// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/profilevalues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct TIntRow {
  std::string Text;
  std::optional<int> Expected;
};

TEST(ProfileValues, Integers) {
  const TIntRow rows[] = {
      {"0", 0},
      {"123", 123},
      {"-5", -5},
      {"+7", 7},
      {"0x7B", 123},
      {"0X7b", 123},
      {"$7B", 123},
      {"-$10", -16},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"0x", std::nullopt},  // two characters: not read as hexadecimal
      {"$", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"12a", std::nullopt},
      {"1.5", std::nullopt},
      {"7B", std::nullopt},
      {"x7B", std::nullopt},
      {"00012", 12},
  };
  for (const auto& r : rows) EXPECT_EQ(ProfileTextToInteger(r.Text), r.Expected) << r.Text;
}

TEST(ProfileValues, TextIsCutAt2047Characters) {
  EXPECT_EQ(CutProfileText(std::string(3000, 'a')).size(), 2047u);
  EXPECT_EQ(CutProfileText(std::string(2047, 'a')).size(), 2047u);
  EXPECT_EQ(CutProfileText(std::string(2048, 'a')).size(), 2047u);
  // Characters, not bytes: a two-byte letter is never split.
  std::string cyr;
  for (int i = 0; i < 2100; ++i) cyr += "ж";
  EXPECT_EQ(CutProfileText(cyr), cyr.substr(0, 2047 * 2));
}

}  // namespace
