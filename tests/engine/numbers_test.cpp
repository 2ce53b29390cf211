// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <limits>

#include "engine/decimaltext.h"
#include "engine/evaluationfpscope.h"
#include "engine/zqerrors.h"
#include "evalrows.h"

namespace {
constexpr Extended kMinInt64 = -9223372036854775808.0L;
}

TEST(Numbers, BasedLiterals) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"FFh", 255},
                         {"0FFh", 255},
                         {"ffh", 255},
                         {"17o", 15},
                         {"17O", 15},
                         {"101b", 5},
                         {"1B", 1},
                         {"1BH", 27},
                         {"2h", 2},
                         {"0E5h", 229},
                         {"CH", 12},
                         {"ACH", 172},
                         {"DEH+1", 223},
                         {"-FFh", -255},
                         {"10b*11b", 6},
                         Fails("E5h", strid::SyntaxError),
                         Fails("8o", strid::SyntaxError),
                         Fails("2b", strid::SyntaxError),
                         Fails("Gh", strid::SyntaxError),
                         Fails("h", strid::SyntaxError),
                         Fails("2*-FFh", strid::SyntaxError),  // a based literal takes no sign
                     });
}

TEST(Numbers, BasedLiteralsWrapAt64Bits) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"FFFFFFFFFFFFFFFFh", -1},
                         {"8000000000000000h", kMinInt64},
                         {"7FFFFFFFFFFFFFFFh", 9223372036854775807.0L},
                         {"10000000000000000h", 0},
                         {"1FFFFFFFFFFFFFFFFh", -1},
                         {"1777777777777777777777o", -1},
                         {"1" + std::string(63, '0') + "b", kMinInt64},
                         {"1" + std::string(64, '0') + "b", 0},
                     });
}

TEST(Numbers, DecimalLiterals) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"0", 0},
                         {"42", 42},
                         {"007", 7},
                         {"1.5", 1.5L},
                         {".5", 0.5L},
                         {"0.1", 0.1L},
                         {"123.456", 123.456L},
                         {"1E-3", 0.001L},
                         {"1e-3", 0.001L},
                         {"2E+1", 20},
                         {"2E1", 20},
                         {"1.5E2", 150},
                         {"1.E2", 100},
                         {".", 0},
                         {"1++.", 1},       // "+." reads as 0
                         {"2*+E5", 0},      // sign, no digits, exponent
                         {"2*-5", -10},
                         {"2--3", 5},
                         {"2^-1", 0.5L},
                         {"12345678901234567890", 12345678901234567890.0L},
                         {"0.000000000000000000000000001", 1e-27L},
                         {"0E99999", 0},
                         {"1E-5000", 0},  // too small: zero, no message
                         Fails("2PI", strid::SyntaxError),
                         Fails("2(3)", strid::SyntaxError),
                         Fails("1.2.3", strid::SyntaxError),
                         Fails("1E", strid::SyntaxError),
                         Fails("1E+", strid::SyntaxError),
                         Fails("2*+", strid::SyntaxError),
                         Fails("1E4933", strid::Overflow),
                         Fails("1E5000", strid::Overflow),
                         Fails("1E99999999999999999999999", strid::Overflow),
                         Fails("1" + std::string(5000, '0'), strid::Overflow),
                     });
}

TEST(Numbers, ManyDigitsAndTinyValues) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser,
             {
                 {"123456789012345678901234567890", 1.2345678901234567890123456789e29L},
                 {"3.14159265358979323846264338327950288", 3.14159265358979323846264338327950288L},
                 {"0." + std::string(4000, '0') + "1E4000", 0.1L},
                 {"1E-300*1E-300", 1e-600L},
                 {"1E4932", 1e4932L},
                 {"1.18E4932", 1.18e4932L},
             },
             1e-18L);
  Extended tiny = 0;
  std::string error;
  ASSERT_TRUE(parser.Evaluate("1E-4950", tiny, error)) << error;  // a denormal, no message
  EXPECT_GT(tiny, 0);
  EXPECT_LT(tiny, std::numeric_limits<Extended>::min());
}

// Every digit counts: the nearest extended value, ties to even. The expected
// values are the compiler's own correctly rounded readings of the same texts.
TEST(Numbers, DecimalLiteralsAreCorrectlyRounded) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
      {"10901701929723370804-10901701929723370000", 804},
      {"18446744073709551615-18446744073709551000", 615},  // 2^64 - 1
      {"12345678901234567891-12345678901234567000", 891},
      {"18446744073709551616", 18446744073709551616.0L},   // 2^64
      {"18446744073709551617", 18446744073709551616.0L},   // a tie: to the even 2^64
      {"18446744073709551619", 18446744073709551620.0L},   // a tie: to the even 2^64 + 4
      {"18446744073709551617.000000000000000000001", 18446744073709551618.0L},  // just above it
      {"18446744073709551618.999999999999999999999", 18446744073709551618.0L},  // just below the next
      {"1234567890123456789012345678901234567890", 1234567890123456789012345678901234567890.0L},
      {"0.1234567890123456789012345678901234567891", 0.1234567890123456789012345678901234567891L},
      {"3.14159265358979323846264338327950288", 3.14159265358979323846264338327950288L},
      {"1E4932", 1e4932L},
      {"1.18973149535723176502E4932", std::numeric_limits<Extended>::max()},
      {"3.36210314311209350626E-4932", std::numeric_limits<Extended>::min()},
      {"3.64519953188247460253E-4951", std::numeric_limits<Extended>::denorm_min()},
      {"1.8225997659412373012642029668E-4951", 0},  // just below half the smallest denormal
      {"1.8225997659412373012642029669E-4951", std::numeric_limits<Extended>::denorm_min()},  // above
      {"1E-4951", 1e-4951L},
      {"1E-5120", 0},
      {"0." + std::string(5000, '0') + "1E5001", 1},
      Fails("1E5120", strid::Overflow),
      Fails("1.18973149535723176506E4932", strid::Overflow),  // past the largest value's half step
  });
}

// Random literals of 1 to 40 digits read as the C library's correctly
// rounded conversion reads them: half of them with no exponent (the plain
// reader), half with one within -30 to 30, where the short ones take the
// exact multiplication by a power of ten and the long ones the exact
// conversion. (Far exponents would only compare the library with itself.)
TEST(Numbers, DecimalLiteralsMatchTheLibrarysExactConversion) {
  std::mt19937_64 random(20261209);
  int differences = 0;
  for (int n = 0; n < 100000; ++n) {
    const int digits = 1 + static_cast<int>(random() % 40);
    const int point = static_cast<int>(random() % (digits + 1));
    std::string text;
    for (int i = 0; i < digits; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (n % 2 == 1) text += 'E' + std::to_string(static_cast<int>(random() % 61) - 30);
    const Extended expected = std::strtold(text.c_str(), nullptr);
    std::feclearexcept(FE_ALL_EXCEPT);  // the library's overflow flag is no fault of the next row
    Extended value = 0;
    bool read = false;
    try {
      TEvaluationFpScope fp;
      read = ReadDecimalLiteral(text, '.', value);
    } catch (const EZQArithmeticError& fault) {
      read = std::isinf(expected) && fault.Id() == strid::Overflow;
      value = expected;
    }
    if (!read || std::memcmp(&value, &expected, 10) != 0) {
      if (++differences <= 5) ADD_FAILURE() << text;
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(Numbers, DecimalSeparatorComma) {
  TZQParser parser = ReportingParser();
  parser.DecimalSeparator = ',';
  parser.ArgumentSeparator = ';';
  ExpectRows(parser, {
                         {"0,5", 0.5L},
                         {"1,5E1", 15},
                         Fails(",5", strid::SyntaxError),  // becomes ".5": "." starts no number here
                     });
}

TEST(Numbers, ReadDecimalLiteral) {
  struct Row {
    const char* text;
    bool reads;
    Extended value;
  };
  const Row rows[] = {
      {"1", true, 1},     {"-2.5", true, -2.5L}, {"+.", true, 0}, {"-E5", true, 0},
      {"1,5", false, 0},  {"", false, 0},        {"+", false, 0}, {"-", false, 0},
      {"1E", false, 0},   {"1E-", false, 0},     {"1 ", false, 0}, {"1x", false, 0},
  };
  for (const Row& row : rows) {
    Extended value = 99;
    EXPECT_EQ(ReadDecimalLiteral(row.text, '.', value), row.reads) << row.text;
    if (row.reads) {
      EXPECT_EQ(value, row.value) << row.text;
    }
  }
  Extended value = 0;
  EXPECT_TRUE(ReadDecimalLiteral("1,5", ',', value));
  EXPECT_EQ(value, 1.5L);
}

TEST(Numbers, ReadDecimalValue) {
  struct Row {
    const char* text;
    bool reads;
    Extended value;
  };
  const Row rows[] = {
      {"9.81", true, 9.81L}, {"  -2.5e3 ", true, -2500}, {"+7", true, 7}, {".5", true, 0.5L},
      {"5.", true, 5},       {"abc", false, 0},          {"", false, 0},  {".", false, 0},
      {" 12345678901234567891 ", true, 12345678901234567891.0L},
      {"1e", false, 0},      {"1 2", false, 0},          {"-", false, 0}, {"0x10", false, 0},
  };
  for (const Row& row : rows) {
    Extended value = 99;
    EXPECT_EQ(ReadDecimalValue(row.text, '.', value), row.reads) << row.text;
    if (row.reads) {
      EXPECT_EQ(value, row.value) << row.text;
    }
  }
}
