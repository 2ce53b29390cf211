// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of the format tables: a value, a code, NDigit and the separator,
// and the exact text expected.
#include <gtest/gtest.h>

#include <string>

#include "format/zqformat.h"

struct TFormatCase {
  long double value;
  int code;
  int nDigit;
  char separator;
  const char* expected;
};

inline void ExpectFormats(const TFormatCase& row, bool errorOn = false) {
  TFormatSettings settings;
  settings.NDigit = row.nDigit;
  settings.DecimalSeparator = row.separator;
  settings.ErrorOn = errorOn;
  EXPECT_EQ(FormatValue(row.value, row.code, settings), row.expected)
      << "value " << static_cast<double>(row.value) << " code " << row.code << " NDigit "
      << row.nDigit << " separator '" << row.separator << "'";
}
