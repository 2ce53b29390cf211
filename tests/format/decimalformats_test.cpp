// SPDX-License-Identifier: GPL-3.0-or-later
#include <cfloat>
#include <cmath>

#include "formatcase.h"

namespace {
// An integer held exactly by the 64-bit significand.
long double Exact(long long n) { return static_cast<long double>(n); }
}  // namespace

TEST(ScientificFormat, Table) {
  const TFormatCase rows[] = {
      {1234.5L, 1, 18, '.', "1.23450000000000000E+3"},
      {0.0L, 1, 18, '.', "0.00000000000000000E+0"},
      {-0.0L, 1, 18, '.', "0.00000000000000000E+0"},
      {-0.5L, 1, 18, '.', "-5.00000000000000000E-1"},
      {1234.5L, 1, 6, '.', "1.23450E+3"},
      {1234.5L, 1, 6, ',', "1,23450E+3"},
      {0.0L, 1, 6, ',', "0,00000E+0"},
      // NDigit 0 and 1 give two significant digits.
      {1234.5L, 1, 0, '.', "1.2E+3"},
      {1234.5L, 1, 1, '.', "1.2E+3"},
      {1250.0L, 1, 1, '.', "1.3E+3"},     // the cut rounds a 5 up
      {-1250.0L, 1, 2, '.', "-1.3E+3"},   // ... up in magnitude
      {9.99L, 1, 2, '.', "1.0E+1"},       // carry adds a digit in front
      {99999.5L, 1, 5, '.', "1.0000E+5"},
      {1e-5L, 1, 6, '.', "1.00000E-5"},
      {1e20L, 1, 18, '.', "1.00000000000000000E+20"},
      {1.0L / 3, 1, 18, '.', "3.33333333333333333E-1"},
      {2.0L / 3, 1, 18, '.', "6.66666666666666667E-1"},
      {LDBL_MAX, 1, 18, '.', "1.18973149535723177E+4932"},
      {-LDBL_MAX, 1, 6, '.', "-1.18973E+4932"},
      {LDBL_MIN, 1, 18, '.', "3.36210314311209351E-4932"},
      {LDBL_TRUE_MIN, 1, 18, '.', "3.64519953188247460E-4951"},
      {3.14159265358979323846L, 1, 20, '.', "3.14159265358979324E+0"},  // NDigit above 18 acts as 18
      {3.14159265358979323846L, 1, -1, '.', "3.1E+0"},
  };
  for (const auto& row : rows) ExpectFormats(row);
}

TEST(GeneralFormat, Table) {
  const TFormatCase rows[] = {
      {1234.5L, 2, 18, '.', "1234.5"},
      {1500.0L, 2, 18, '.', "1500"},
      {0.25L, 2, 18, '.', "0.25"},
      {0.25L, 2, 18, ',', "0,25"},
      {0.0001L, 2, 18, '.', "0.0001"},
      {0.00001L, 2, 18, '.', "1E-5"},
      {0.000123L, 2, 18, ',', "0,000123"},
      {0.0000123L, 2, 18, ',', "1,23E-5"},
      {1e20L, 2, 18, '.', "1E20"},
      {0.0L, 2, 18, '.', "0"},
      {-0.0L, 2, 18, '.', "0"},
      {123456789.0L, 2, 6, '.', "1.23457E8"},
      {123456789.0L, 2, 6, ',', "1,23457E8"},
      {-1234.5L, 2, 18, '.', "-1234.5"},
      {1.0L / 3, 2, 18, ',', "0,333333333333333333"},
      {-2.0L / 3, 2, 6, '.', "-0.666667"},
      {1e18L, 2, 18, '.', "1E18"},                            // X = 19 > P
      {Exact(123456789012345678LL), 2, 18, '.', "123456789012345678"},  // X = P
      {999999.5L, 2, 6, '.', "1E6"},                          // carry pushes X past P
      {99.95L, 2, 3, '.', "100"},                             // 18 digits first, then the cut
      {0.125L, 2, 2, '.', "0.13"},                            // a tie in the cut goes up
      {1234.5L, 2, 0, '.', "1.2E3"},
      {1234.5L, 2, 1, '.', "1.2E3"},
      {15.0L, 2, 1, '.', "15"},
      {-1e-300L, 2, 18, '.', "-1E-300"},
      {LDBL_MAX, 2, 18, '.', "1.18973149535723177E4932"},
  };
  for (const auto& row : rows) ExpectFormats(row);
}

TEST(GeneralFormat, EighteenDigitsRoundToNearestTiesToEven) {
  // 19-digit integers ending in 5 lie exactly between two 18-digit strings.
  const TFormatCase rows[] = {
      {Exact(1234567890123456765LL), 2, 18, '.', "1.23456789012345676E18"},
      {Exact(1234567890123456775LL), 2, 18, '.', "1.23456789012345678E18"},
      {Exact(1234567890123456785LL), 2, 18, '.', "1.23456789012345678E18"},
      {Exact(1234567890123456786LL), 2, 18, '.', "1.23456789012345679E18"},
      {Exact(999999999999999995LL), 2, 18, '.', "999999999999999995"},
      {Exact(9223372036854775807LL), 2, 18, '.', "9.22337203685477581E18"},
  };
  for (const auto& row : rows) ExpectFormats(row);
}

TEST(DecimalFormats, InfinityAndNotANumber) {
  const long double inf = INFINITY;
  const long double nan = NAN;
  const TFormatCase rows[] = {
      {inf, 1, 18, '.', "INF"},   {-inf, 1, 18, '.', "-INF"}, {nan, 1, 18, '.', "NAN"},
      {inf, 2, 6, ',', "INF"},    {-inf, 2, 6, ',', "-INF"},  {-nan, 2, 6, ',', "NAN"},
      {inf, -4, 6, '.', "INF"},   {-inf, 0, 6, '.', "-INF"},  {nan, -10, 6, '.', "NAN"},
  };
  for (const auto& row : rows) {
    ExpectFormats(row, false);
    ExpectFormats(row, true);  // not a failure: the same text with messages on
  }
}

TEST(DecimalFormats, UnknownCodesAreGeneralDecimal) {
  const TFormatCase rows[] = {
      {1234.5L, 6, 18, '.', "1234.5"},    {1234.5L, -11, 18, ',', "1234,5"},
      {0.00001L, 100, 18, '.', "1E-5"},   {-0.5L, -2147483647 - 1, 6, '.', "-0.5"},
      {123456789.0L, 2147483647, 6, '.', "1.23457E8"},
  };
  for (const auto& row : rows) ExpectFormats(row);
}

TEST(DecimalFormats, FormatGeneralIsCodeTwo) {
  EXPECT_EQ(FormatGeneral(1.0L / 3, 18, ','), "0,333333333333333333");
  EXPECT_EQ(FormatGeneral(1500.0L, 18, '.'), "1500");
  EXPECT_EQ(FormatGeneral(123456789.0L, 6, '.'), "1.23457E8");
  EXPECT_EQ(FormatGeneral(INFINITY, 18, '.'), "INF");
}
