// SPDX-License-Identifier: GPL-3.0-or-later
#include <cfloat>

#include "formatcase.h"

TEST(EngineeringFormat, Table) {
  const TFormatCase rows[] = {
      {1500.0L, -4, 18, '.', "1.500000000000000000E3"},
      {1500.0L, -4, 6, '.', "1.500000E3"},
      {1500.0L, -4, 6, ',', "1,500000E3"},
      {1234567.0L, -4, 6, '.', "1234.570000E3"},   // six significant digits, padded to six decimals
      {-1500.0L, -4, 2, '.', "-1.50E3"},
      {1500.0L, -5, 6, '.', "1500.000000"},         // 10^0 has no suffix
      {0.0L, -4, 6, '.', "0.000000E3"},
      {1e20L, -4, 6, '.', "1E20"},                  // the scaled value needs 18 integer digits
      {1.0L, -10, 6, '.', "1.000000"},              // femto: 16 integer digits, scale dropped
      {1500.0L, -4, 0, '.', "2E3"},                 // no decimals, two significant digits
      {1500.0L, -4, 1, '.', "1.5E3"},
      {1e-30L, 0, 18, '.', "0.000000000000000000E15"},
      {-1e-30L, 0, 18, '.', "0.000000000000000000E15"},  // rounds to zero: no sign
      {0.125L, -5, 2, '.', "0.13"},                 // a tie goes up in magnitude
      {-0.125L, -5, 2, '.', "-0.13"},
      {999.9996L, -4, 3, '.', "1.000E3"},           // carry through the nines
      {0.6L, -5, 0, '.', "1"},                      // D = 0 rounds at the units
      {0.4L, -5, 0, '.', "0"},
      {-0.4L, -5, 0, '.', "0"},
      {-0.0005L, -5, 3, '.', "-0.001"},
      {-0.0004L, -5, 3, '.', "0.000"},
      {0.0025L, -6, 6, '.', "2.500000E-3"},
      {1e-15L, -10, 6, '.', "1.000000E-15"},
      {4.7e-9L, -8, 4, '.', "4.7000E-9"},
      {2.2e12L, -1, 18, '.', "2.200000000000000000E12"},
      {3e15L, 0, 6, ',', "3,000000E15"},
      {123.456L, -3, 6, '.', "0.000123E6"},          // six decimals limit the digits
      {123.456L, -2, 6, '.', "0.000000E9"},
      {LDBL_MAX, -10, 6, '.', "1.18973E4932"},       // the quotient would overflow
      {-LDBL_MAX, -6, 18, '.', "-1.18973149535723177E4932"},
      {LDBL_TRUE_MIN, -10, 18, '.', "0.000000000000000000E-15"},
      {1e17L, -5, 18, '.', "100000000000000000.000000000000000000"},
      {12.5L, -5, -1, '.', "13"},                    // negative NDigit: two digits, no decimals
      {12.5L, -5, 25, '.', "12.500000000000000000"},
  };
  for (const auto& row : rows) ExpectFormats(row);
}

TEST(EngineeringFormat, DirectCallsTakeTheExponent) {
  TFormatSettings settings;
  settings.NDigit = 6;
  EXPECT_EQ(FormatEngineering(1500.0L, 3, settings), "1.500000E3");
  EXPECT_EQ(FormatEngineering(1500.0L, 0, settings), "1500.000000");
  EXPECT_EQ(FormatEngineering(0.0025L, -3, settings), "2.500000E-3");
  EXPECT_EQ(FormatEngineering(2.5e-17L, -18, settings), "25.000000E-18");
  EXPECT_EQ(FormatEngineering(1500.0L, 100, settings), "1500.000000");  // unknown power: unscaled
}
