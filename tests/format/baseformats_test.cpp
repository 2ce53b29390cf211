// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "formatcase.h"
#include "resources/stringtable.h"

TEST(BaseFormats, Table) {
  const std::string minusOneBinary = std::string(32, '1') + "b";
  const long double two32 = 4294967296.0L;
  const TFormatCase rows[] = {
      {255.0L, 3, 18, '.', "FFh"},
      {255.0L, 4, 18, '.', "377o"},
      {255.0L, 5, 18, '.', "11111111b"},
      {-1.0L, 3, 18, '.', "FFFFFFFFh"},
      {-1.0L, 4, 18, '.', "37777777777o"},
      {-1.0L, 5, 18, '.', minusOneBinary.c_str()},
      {two32, 3, 18, '.', "0h"},
      {two32 + 5, 3, 18, '.', "5h"},           // the low 32 bits only
      {10.5L, 3, 18, '.', "Ah"},               // ties go to the even integer
      {11.5L, 3, 18, '.', "Ch"},
      {2.5L, 3, 18, '.', "2h"},
      {3.5L, 3, 18, '.', "4h"},
      {-2.5L, 3, 18, '.', "FFFFFFFEh"},
      {0.5L, 5, 18, '.', "0b"},
      {1.5L, 5, 18, '.', "10b"},
      {-0.4L, 3, 18, '.', "0h"},
      {0.0L, 4, 18, '.', "0o"},
      {-0.0L, 5, 18, '.', "0b"},
      {2.7L, 3, 18, ',', "3h"},                // NDigit and separator play no part
      {9223372036854775807.0L, 3, 18, '.', "FFFFFFFFh"},
      {-0x1p63L, 3, 18, '.', "0h"},            // the lowest signed 64-bit integer
      {-0x1p63L + 0.5L, 3, 18, '.', "0h"},     // a tie: the even neighbour is -2^63
      {1e-4000L, 3, 18, '.', "0h"},
      {0x1p62L + 0.5L, 3, 18, '.', "0h"},      // 2^62 + 0.5 ties to 2^62
  };
  for (const auto& row : rows) ExpectFormats(row);
}

TEST(BaseFormats, OutsideSigned64BitsFails) {
  const long double failing[] = {0x1p63L,         -0x1p63L - 1.0L, 0x1p63L - 0.5L /* ties up to 2^63 */,
                                 1e19L,           -1e30L,          1e4000L,
                                 INFINITY,        -INFINITY,       NAN};
  for (long double value : failing) {
    for (int code : {3, 4, 5}) {
      ExpectFormats({value, code, 18, '.', ""}, false);
      const std::string message = LoadStr(strid::InvalidOp);
      ASSERT_EQ(message, "Неверная операция с дробными числами");
      ExpectFormats({value, code, 18, '.', message.c_str()}, true);
      EXPECT_TRUE(FormatFails(value, code)) << code;
    }
    for (int code : {1, 2, 0, -10}) EXPECT_FALSE(FormatFails(value, code)) << code;
  }
  for (long double value : {0.0L, -1.0L, 0x1p63L - 1.0L}) EXPECT_FALSE(FormatFails(value, 3));
}

TEST(BaseFormats, ToBaseText) {
  struct Row {
    std::uint32_t n;
    int base;
    const char* expected;
  };
  const Row rows[] = {
      {0, 16, "0"},           {0, 8, "0"},           {0, 2, "0"},
      {0xDEADBEEF, 16, "DEADBEEF"}, {8, 8, "10"},   {7, 8, "7"},
      {5, 2, "101"},          {0xFFFFFFFF, 8, "37777777777"},
      {0x80000000, 2, "10000000000000000000000000000000"},
      {255, 10, "FF"},        // any other base counts as 16
  };
  for (const auto& row : rows)
    EXPECT_EQ(ToBaseText(row.n, row.base), row.expected) << row.n << " base " << row.base;
}
