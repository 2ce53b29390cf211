// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <string_view>

#include "storage/profilename.h"

namespace {

struct TConvRow {
  std::string Cp1251;
  std::string Utf8;
};

TEST(Cp1251, ConvertsBothWays) {
  const TConvRow rows[] = {
      {"", ""},
      {"abc 1+2", "abc 1+2"},
      {"\xC4\xF0\xF3\xE3\xE8\xE5", "Другие"},
      {"\xC0\xDF\xE0\xFF", "АЯая"},
      {"\xA8\xB8", "Ёё"},
      {"\xB9", "№"},
      {"\x88", "€"},
      {"\xB0", "°"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(Cp1251ToUtf8(r.Cp1251), r.Utf8) << r.Utf8;
    std::string back;
    EXPECT_TRUE(Utf8ToCp1251(r.Utf8, back)) << r.Utf8;
    EXPECT_EQ(back, r.Cp1251) << r.Utf8;
  }
}

// The table agrees with the system's converter on every assigned byte, and
// every byte survives a round trip.
TEST(Cp1251, EveryByteAgreesWithSystemConverter) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int b = 0x01; b <= 0xFF; ++b) {
    const std::string in(1, static_cast<char>(b));
    const std::string mine = Cp1251ToUtf8(in);
    std::string back;
    EXPECT_TRUE(Utf8ToCp1251(mine, back)) << b;
    EXPECT_EQ(back, in) << b;
    if (b == 0x98) continue;  // unassigned in the code page
    char inBuf[1] = {static_cast<char>(b)};
    char outBuf[8] = {};
    char* ip = inBuf;
    char* op = outBuf;
    size_t il = 1, ol = sizeof outBuf;
    ASSERT_NE(iconv(cd, &ip, &il, &op, &ol), static_cast<size_t>(-1)) << b;
    EXPECT_EQ(mine, std::string(outBuf, op)) << b;
  }
  iconv_close(cd);
}

TEST(Cp1251, ReportsWhatItCannotHold) {
  const std::string rows[] = {"日本", "x😀", "Ω", "\xFF\xFE", "\xC3", "\xE2\x82"};
  for (const auto& r : rows) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1251(r, out)) << r;
  }
}

// Views that end inside a sequence, cut from longer texts whose next byte
// would complete it: nothing past the view may be read.
TEST(Cp1251, ViewsEndingInsideASequence) {
  struct TViewRow {
    std::string Whole;
    std::size_t Length;
    std::string Cp1251;  // what Utf8ToCp1251 makes of the view (always false)
  };
  const TViewRow rows[] = {
      {"\xD0\xB6", 1, "?"},        // ж
      {"a\xD0\xB6", 2, "a?"},
      {"\xE2\x84\x96", 1, "?"},    // №
      {"\xE2\x84\x96", 2, "??"},
      {"\xF0\x9F\x98\x80", 3, "???"},
  };
  for (const auto& r : rows) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1251(std::string_view(r.Whole.data(), r.Length), out)) << r.Cp1251;
    EXPECT_EQ(out, r.Cp1251);
  }
  const std::string marked = "\xEF\xBB\xBFx";
  EXPECT_EQ(DecodeFileText(std::string_view(marked.data(), 2)), "п»");
  EXPECT_EQ(DecodeFileText(std::string_view(marked.data(), 3)), "");
  const std::string capitalZhe = "\xD0\x96";
  EXPECT_EQ(FoldProfileName(std::string_view(capitalZhe.data(), 1)), "\xD0");
}

struct TFileTextRow {
  std::string Text;      // UTF-8
  std::string Expected;  // bytes on disk
};

TEST(Cp1251, FileTextKeepsEveryCharacter) {
  const TFileTextRow rows[] = {
      {"g=9.81", "g=9.81"},
      {"Физика", "\xD4\xE8\xE7\xE8\xEA\xE0"},
      {"日本", "\xEF\xBB\xBF日本"},
      // Windows-1251 bytes that look like the byte-order mark.
      {"п»їx", "\xEF\xBB\xBFп»їx"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(EncodeFileText(r.Text), r.Expected) << r.Text;
    EXPECT_EQ(DecodeFileText(r.Expected), r.Text) << r.Text;
  }
}

}  // namespace
