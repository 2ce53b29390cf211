// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>

#include "engine/integerview.h"
#include "engine/zqerrors.h"
#include "evalrows.h"

namespace {
constexpr Extended kMinInt64 = -9223372036854775808.0L;
}

TEST(Operators, PrecedenceAndAssociativity) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"2+3*4", 14},
                         {"2*3^2", 18},
                         {"2^3^2", 512},
                         {"-2^2", -4},
                         {"(-2)^2", 4},
                         {"2^-2", 0.25L},
                         {"(-8)^3", -512},
                         {"0^0", 1},
                         {"10-2-3", 5},
                         {"100/10/2", 5},
                         {"(2+3)*4", 20},
                         {"1+6|1", 7},        // "|" is as loose as "+"
                         {"6|1+1", 8},        // left to right: (6|1)+1
                         {"1+2&3", 3},        // "&" is as tight as "*"
                         {"2*3<<1", 12},
                         {"1<<2*3", 12},      // left to right on the same level
                         {"-1>>60", 0},       // 0-(1>>60)
                         {"(-1)>>60", 15},
                         {"2<+3", 5},         // a single "<" is passed over
                         {"2>+3", 5},
                         {"2<", 2},
                         // The whole line is read: a stray "," or ")" leaves text over.
                         Fails("1,5", strid::SyntaxError),
                         Fails("3,4", strid::SyntaxError),
                         Fails("2,5", strid::SyntaxError),
                         Fails("1,234.56", strid::SyntaxError),
                         Fails("2)+(3", strid::SyntaxError),
                         Fails("2,", strid::SyntaxError),
                         Fails("SIN(1,2)", strid::MissingBracket),
                         Fails("2<3", strid::SyntaxError),
                         Fails("2*-PI", strid::SyntaxError),
                         {"2 3", 23},         // blanks are dropped first
                         Fails("2+", strid::SyntaxError),
                         Fails("*2", strid::SyntaxError),
                         Fails("2=2", strid::SyntaxError),
                         Fails("(1,2)", strid::MissingBracket),
                         Fails("2>>", strid::SyntaxError),
                     });
}

TEST(Operators, Percentages) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"200+10%", 220},
                         {"200-10%", 180},
                         {"50*10%", 5},
                         {"50/10%", 500},
                         {"200+10*2%", 200.2L},  // the "%" belongs to the "*"
                         {"100+50%+50%", 225},
                         Fails("50%", strid::SyntaxError),
                         Fails("2^50%", strid::SyntaxError),
                         Fails("6&3%", strid::SyntaxError),
                         Fails("6|3%", strid::SyntaxError),
                         Fails("50/0%", strid::DivisionByZero),
                         // Rounded intermediates pin the order: a*b/100, a*100/b,
                         // a*(b/100+1), a*(1-b/100), each rounded as written.
                         {"3*3%", 0xb.851eb851eb851ecp-7L},
                         {"2/3%", 0x8.555555555555555p+3L},
                         {"3+5%", 0xc.999999999999999p-2L},
                         {"3-4%", 0xb.851eb851eb851ebp-2L},
                         // a*b and a*100 overflow before the division by 100 or by b.
                         Fails("1E4932*50%", strid::Overflow),
                         Fails("1E4932/200%", strid::DivisionByZero),
                     });
  // Here only b/100 is formed first; a*b would overflow.
  ExpectRows(parser, {{"1E4932-50%", 5E4931L}, {"1E4932+-50%", 5E4931L}}, 1e-18L);
}

TEST(Operators, IntegerOperators) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"6&3", 2},
                         {"6|3", 7},
                         {"6\\3", 5},
                         {"5&-1", 5},
                         {"-1\\0", -1},
                         {"2.0|1", 3},
                         {"FFFFFFFFFFFFFFFFh&FFh", 255},
                         Fails("1.5|1", strid::ArgNotInteger),
                         Fails("1|1.5", strid::ArgNotInteger),
                         Fails("1.5&1", strid::ArgNotInteger),
                         Fails("1.5\\1", strid::ArgNotInteger),
                         Fails("1.5<<1", strid::ArgNotInteger),
                         Fails("1>>0.5", strid::ArgNotInteger),
                         Fails("1E19|1", strid::InvalidOp),
                         Fails("1E19&1", strid::SyntaxError),
                         Fails("1<<1E19", strid::SyntaxError),
                         Fails("8000000000000000h|0", strid::InvalidOp),  // magnitude 2^63
                     });
}

TEST(Operators, Shifts) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"1<<4", 16},
                         {"1<<63", kMinInt64},
                         {"1<<64", 0},
                         {"1<<127", 0},
                         {"1<<128", 1},     // counts from 128 on go modulo 32 again
                         {"1<<160", 1},
                         {"1<<255", 2147483648.0L},
                         {"1<<256", 1},     // the count is taken modulo 256
                         {"1<<33", 8589934592.0L},
                         {"1<<(-1)", 2147483648.0L},  // -1 is 255
                         {"-1>>0", -1},
                         {"(-1)>>63", 1},
                         {"(-1)>>32", 4294967295.0L},
                         {"(-1)>>(-1)", 8589934591.0L},
                         {"256>>4", 16},
                     });
}

TEST(Operators, ShiftCountRule) {
  struct Row {
    std::int64_t count;
    std::int64_t left;
    std::int64_t right;
  };
  const std::int64_t top = INT64_MIN;  // only the highest bit set
  const Row rows[] = {
      {0, 1, top},        {5, 32, 1ll << 58},
      {31, 1ll << 31, 1ll << 32},
      {32, 1ll << 32, 1ll << 31},
      {63, top, 1},       {64, 0, 0},       {100, 0, 0},  {127, 0, 0},
      {128, 1, top},      {129, 2, 1ll << 62}, {255, 1ll << 31, 1ll << 32},
      {256, 1, top},      {-256, 1, top},   {-192, 0, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ShiftLeft(1, row.count), row.left) << row.count;
    EXPECT_EQ(ShiftRight(top, row.count), row.right) << row.count;
  }
}

TEST(Operators, IsInteger) {
  EXPECT_TRUE(IsInteger(0));
  EXPECT_TRUE(IsInteger(-3));
  EXPECT_TRUE(IsInteger(9223372036854775807.0L - 1));
  EXPECT_FALSE(IsInteger(0.5L));
  EXPECT_FALSE(IsInteger(-1e-4000L));
  for (const Extended big : {9223372036854775808.0L, -9223372036854775808.0L, 1e19L, -1e300L}) {
    try {
      IsInteger(big);
      ADD_FAILURE() << static_cast<double>(big);
    } catch (const EZQArithmeticError& e) {
      EXPECT_EQ(e.Id(), strid::InvalidOp);
    }
  }
  EXPECT_EQ(IntegerView(-7), -7);
  EXPECT_EQ(IntegerView(4611686018427387904.0L), 4611686018427387904ll);
}

TEST(Operators, Power) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"0^5", 0},
                         {"0^0.5", 0},
                         {"5^0", 1},
                         {"2^10", 1024},
                         {"2^-1", 0.5L},
                         {"(-2)^3", -8},
                         {"(-2)^-2", 0.25L},
                         {"2^63", 9223372036854775808.0L},
                         {"1^1E30", 1},
                         {"3^2147483647^0", 3},
                         {"2^(-16382)", 0x1p-16382L},
                         {"(-1)^2147483647", -1},
                         Fails("(-8)^(1/3)", strid::InvalidOp),
                         Fails("0^-1", strid::ZeroDivide),
                         Fails("0^-0.5", strid::ZeroDivide),
                         Fails("10^5000", strid::Overflow),
                         Fails("2^2^2^2^2", strid::Overflow),
                         // Beyond squaring an integral exponent keeps its sign rule.
                         Fails("(-2)^2147483648", strid::Overflow),
                         {"(-1)^2147483648", 1},
                         {"(-1)^4294967297", -1},
                         {"(-0.5)^4294967297", 0},
                         {"2^-16445", 0x1p-16445L},  // the smallest denormal, exactly
                         {"2^-20000", 0},             // below the denormals: quietly 0
                         Fails("0.5^-20000", strid::Overflow),
                     });
  ExpectRows(parser, {{"4^0.5", 2}, {"2^0.5", 1.41421356237309504880L}}, 1e-17L);
  ExpectRows(parser, {{"10^4000.5", 3.16227766016837933200e4000L}}, 1e-14L);
}
