#include "storage/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

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
