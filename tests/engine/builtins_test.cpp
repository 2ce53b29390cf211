// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/builtins.h"
#include "engine/evaluationfpscope.h"
#include "engine/fpguard.h"
#include "engine/functable.h"
#include "engine/zqerrors.h"
#include "evalrows.h"
#include "extendedbits.h"

namespace {

constexpr Extended kPi = 0xC.90FDAA22168C235p-2L;
constexpr Extended kTwoPow63 = 0x1p63L;
constexpr int kOk = 0;
// Marks rows whose expected value is exact.
constexpr int kExact = 0;

int IndexOf(const std::string& name) {
  for (int i = 0; i < kFuncCount; ++i)
    if (name == FuncTable[static_cast<std::size_t>(i)].Name) return i;
  ADD_FAILURE() << "no built-in function " << name;
  return 0;
}

struct TOutcome {
  Extended Value = 0;
  int Error = kOk;
  std::string Message;
};

// Runs a function the way the parser does: inside the guarded region that
// turns arithmetic faults into 61150.
TOutcome Call(const std::string& name, Extended x, Extended n = 0, bool radians = false) {
  const TEvaluationFpScope environment;
  const Extended args[2] = {x, n};
  TOutcome outcome;
  try {
    outcome.Value = Guarded(strid::FloatOpError,
                            [&] { return ComputeFunction(IndexOf(name), args, radians); });
  } catch (const EZQParserError& e) {
    outcome.Error = e.Id();
    outcome.Message = e.what();
  }
  return outcome;
}

struct TRow {
  const char* Name;
  Extended X;
  Extended N;
  Extended Expected;
  int Ulps;   // allowed distance in units of the last place; kExact for none
  int Error;  // expected message id, kOk for a value
};

void CheckRows(const std::vector<TRow>& rows, bool radians) {
  for (const TRow& row : rows) {
    SCOPED_TRACE(std::string(row.Name) + "(" + std::to_string(static_cast<double>(row.X)) + ")");
    const TOutcome got = Call(row.Name, row.X, row.N, radians);
    ASSERT_EQ(got.Error, row.Error);
    if (row.Error != kOk) continue;
    if (row.Ulps == kExact) {
      EXPECT_EQ(got.Value, row.Expected) << static_cast<double>(got.Value);
      EXPECT_EQ(std::signbit(got.Value), std::signbit(row.Expected));
    } else {
      const Extended magnitude = std::fabs(row.Expected);
      const Extended ulp = std::nextafter(magnitude, HUGE_VALL) - magnitude;
      EXPECT_LE(std::fabs(got.Value - row.Expected), row.Ulps * ulp)
          << static_cast<double>(got.Value);
    }
  }
}

TEST(Builtins, TrigonometryInDegrees) {
  CheckRows({
      {"SIN", 30, 0, 0.5L, kExact, kOk},
      {"COS", 60, 0, 0.5L, kExact, kOk},
      {"TAN", 45, 0, 1, kExact, kOk},
      {"SIN", 0, 0, 0, kExact, kOk},
      {"COS", 0, 0, 1, kExact, kOk},
      {"SIN", -90, 0, -1, kExact, kOk},
      {"SIN", 45, 0, std::sqrt(0.5L), 1, kOk},
      {"COS", 30, 0, std::sqrt(3.0L) / 2, 1, kOk},
      {"ARCSIN", 1, 0, 90, kExact, kOk},
      {"ARCSIN", -1, 0, -90, kExact, kOk},
      {"ARCSIN", 0.5L, 0, 30, kExact, kOk},
      {"ARCCOS", 0, 0, 90, kExact, kOk},
      {"ARCCOS", -1, 0, 180, kExact, kOk},
      {"ARCCOS", 1, 0, 0, kExact, kOk},
      {"ARCTAN", 1, 0, 45, kExact, kOk},
      {"ARCTAN", -1, 0, -45, kExact, kOk},
      {"ARCSIN", 1.0001L, 0, 0, 0, strid::BadFunctionArg},
      {"ARCCOS", -1.0001L, 0, 0, 0, strid::BadFunctionArg},
  }, false);
}

TEST(Builtins, TrigonometryInRadians) {
  CheckRows({
      {"SIN", kPi / 2, 0, 1, kExact, kOk},
      {"COS", 0, 0, 1, kExact, kOk},
      {"SIN", 30, 0, std::sin(30.0L), 2, kOk},
      {"TAN", 1, 0, std::tan(1.0L), 2, kOk},
      {"ARCCOS", -1, 0, kPi, kExact, kOk},
      {"ARCSIN", 1, 0, kPi / 2, kExact, kOk},
      {"ARCTAN", 1, 0, kPi / 4, kExact, kOk},
      {"ARCSIN", -2, 0, 0, 0, strid::BadFunctionArg},
  }, true);
}

// Radian angles of any size are reduced exactly (values from MPFR); the
// cosine of a nonzero extended angle is never 0, so TAN always has a value.
TEST(Builtins, HugeAngles) {
  CheckRows({
      {"SIN", kTwoPow63, 0, 0xf.ffb6fea16e2a218p-4L, 1, kOk},
      {"SIN", -kTwoPow63, 0, -0xf.ffb6fea16e2a218p-4L, 1, kOk},
      {"COS", kTwoPow63, 0, 0xc.1551bad9e19f383p-10L, 1, kOk},
      {"TAN", kTwoPow63, 0, 0xa.97a873abca0e6p+3L, 1, kOk},
      {"SIN", 1e22L, 0, -0xd.a29d5bb5f9cb87dp-4L, 1, kOk},
      {"COS", 1e4000L, 0, std::cos(1e4000L), 2, kOk},
  }, true);
  CheckRows({
      // In degrees any magnitude is reduced exactly modulo 360.
      {"SIN", std::ldexp(45.0L, 16370), 0, 0, kExact, kOk},    // a multiple of 360
      {"COS", std::ldexp(45.0L, 16370), 0, 1, kExact, kOk},
      {"COS", std::ldexp(15.0L, 16000), 0, -0.5L, kExact, kOk},  // 240 modulo 360
      {"TAN", 90 * (0x1p57L + 1), 0, 0, 0, strid::BadFunctionArg},  // an odd multiple of 90
  }, false);
}

TEST(Builtins, AngleSettingChangesOnlyTrigonometry) {
  for (int i = 0; i < kFuncCount; ++i) {
    const std::string name = FuncTable[static_cast<std::size_t>(i)].Name;
    const TOutcome degrees = Call(name, 0.5L, 3);
    const TOutcome radians = Call(name, 0.5L, 3, true);
    const bool trig = i <= 5;
    SCOPED_TRACE(name);
    if (trig) {
      EXPECT_TRUE(degrees.Error != kOk || degrees.Value != radians.Value);
    } else {
      EXPECT_EQ(degrees.Error, radians.Error);
      EXPECT_EQ(degrees.Value, radians.Value);
    }
  }
}

TEST(Builtins, ExponentialsAndLogarithms) {
  CheckRows({
      {"EXP", 0, 0, 1, kExact, kOk},
      {"EXP", 1, 0, std::numbers::e_v<Extended>, 2, kOk},
      {"EXP", -1, 0, 1 / std::numbers::e_v<Extended>, 2, kOk},
      {"EXP", 20000, 0, 0, 0, strid::FloatOpError},
      {"EXP", 11357, 0, 0, 0, strid::FloatOpError},
      {"EXP", -20000, 0, 0, kExact, kOk},
      {"EXP", -1e4000L, 0, 0, kExact, kOk},
      {"EXP", -1.1e4932L, 0, 0, kExact, kOk},  // X * log2 e would overflow
      {"LOG2", 8, 0, 3, kExact, kOk},
      {"LOG2", 0.25L, 0, -2, kExact, kOk},
      {"LN", 1, 0, 0, kExact, kOk},
      {"LN", std::numbers::e_v<Extended>, 0, 1, 1, kOk},
      {"LG", 100, 0, 2, 1, kOk},
      {"LG", 1000, 0, 3, 2, kOk},
      {"LOG2", 0, 0, 0, 0, strid::LogBelowZero},
      {"LN", 0, 0, 0, 0, strid::LogBelowZero},
      {"LG", 0, 0, 0, 0, strid::LogBelowZero},
      {"LG", -1, 0, 0, 0, strid::LogBelowZero},
      {"LOG2", -0.5L, 0, 0, 0, strid::LogBelowZero},
      {"SQR", 3, 0, 9, kExact, kOk},
      {"SQR", -1.5L, 0, 2.25L, kExact, kOk},
      {"SQR", 1e3000L, 0, 0, 0, strid::FloatOpError},
      {"SQRT", 4, 0, 2, kExact, kOk},
      {"SQRT", 2, 0, std::numbers::sqrt2_v<Extended>, kExact, kOk},
      {"SQRT", 0, 0, 0, kExact, kOk},
      {"SQRT", -4, 0, 0, 0, strid::RootBelowZero},
      {"SQRT", -1e-4000L, 0, 0, 0, strid::RootBelowZero},
  }, false);
}

TEST(Builtins, ExponentialNearTheTopOfTheRange) {
  const TOutcome got = Call("EXP", 11355);
  ASSERT_EQ(got.Error, kOk);
  EXPECT_NEAR(static_cast<double>(got.Value / std::exp(11355.0L)), 1.0, 1e-12);
}

TEST(Builtins, Factorial) {
  CheckRows({
      {"FACT", 0, 0, 1, kExact, kOk},
      {"FACT", 1, 0, 1, kExact, kOk},
      {"FACT", 5, 0, 120, kExact, kOk},
      {"FACT", 20, 0, 2432902008176640000.0L, kExact, kOk},
      {"FACT", 2.5L, 0, 0, 0, strid::BadFunctionArg},
      {"FACT", -1, 0, 0, 0, strid::BadFunctionArg},
      {"FACT", -0.5L, 0, 0, 0, strid::BadFunctionArg},
      {"FACT", 1755, 0, 0, 0, strid::FloatOpError},
      {"FACT", 2147483648.0L, 0, 0, 0, strid::FloatOpError},  // 2^31
      {"FACT", 4294967297.0L, 0, 0, 0, strid::FloatOpError},  // low 32 bits would be 1
      {"FACT", 1e19L, 0, 0, 0, strid::FloatOpError},          // beyond a 64-bit count
  }, false);
  const TOutcome big = Call("FACT", 1754);
  ASSERT_EQ(big.Error, kOk);
  EXPECT_GT(big.Value, 1.979e4930L);
  EXPECT_LT(big.Value, 1.980e4930L);
}

TEST(Builtins, RoundingAndParts) {
  CheckRows({
      {"ROUND", 2.5L, 0, 2, kExact, kOk},
      {"ROUND", 3.5L, 0, 4, kExact, kOk},
      {"ROUND", -2.5L, 0, -2, kExact, kOk},
      {"ROUND", -3.5L, 0, -4, kExact, kOk},
      {"ROUND", 2.4999L, 0, 2, kExact, kOk},
      {"ROUND", -0.4L, 0, 0, kExact, kOk},
      {"ROUND", 1e19L, 0, 0, 0, strid::FloatOpError},
      {"ROUND", -kTwoPow63, 0, 0, 0, strid::FloatOpError},
      {"INT", -2.5L, 0, -2, kExact, kOk},
      {"INT", 2.9L, 0, 2, kExact, kOk},
      {"INT", -0.5L, 0, 0, kExact, kOk},
      {"INT", 9e18L, 0, 9e18L, kExact, kOk},
      {"INT", kTwoPow63, 0, 0, 0, strid::FloatOpError},
      {"FRAC", -2.5L, 0, -0.5L, kExact, kOk},
      {"FRAC", 1.25L, 0, 0.25L, kExact, kOk},
      {"FRAC", 1e30L, 0, 0, kExact, kOk},
      {"FRAC", -3, 0, 0, kExact, kOk},
      {"ABS", -3, 0, 3, kExact, kOk},
      {"ABS", 1e4000L, 0, 1e4000L, kExact, kOk},
      {"SIGN", -7, 0, -1, kExact, kOk},
      {"SIGN", 0.001L, 0, 1, kExact, kOk},
      {"SIGN", 0, 0, 0, kExact, kOk},
  }, false);
}

// Within the 32-bit range CEIL and FLOOR give what truncation plus or minus
// one gives; beyond it they keep the mathematically right value.
TEST(Builtins, CeilAndFloor) {
  CheckRows({
      {"CEIL", 2.1L, 0, 3, kExact, kOk},
      {"CEIL", -2.1L, 0, -2, kExact, kOk},
      {"CEIL", 5, 0, 5, kExact, kOk},
      {"CEIL", -0.5L, 0, 0, kExact, kOk},  // an integer 0, not -0
      {"FLOOR", -2.1L, 0, -3, kExact, kOk},
      {"FLOOR", 2.9L, 0, 2, kExact, kOk},
      {"FLOOR", -7, 0, -7, kExact, kOk},
      {"CEIL", 2147483647.5L, 0, 2147483648.0L, kExact, kOk},
      {"CEIL", 3000000000.5L, 0, 3000000001.0L, kExact, kOk},
      {"FLOOR", -3000000000.5L, 0, -3000000001.0L, kExact, kOk},
      {"FLOOR", 1e30L, 0, 1e30L, kExact, kOk},
      {"CEIL", -1e4000L, 0, -1e4000L, kExact, kOk},
  }, false);
}

TEST(Builtins, IntegerFunctions) {
  CheckRows({
      {"ODD", -3, 0, 1, kExact, kOk},
      {"ODD", 4, 0, 0, kExact, kOk},
      {"ODD", 9007199254740993.0L, 0, 1, kExact, kOk},
      {"ODD", 2.5L, 0, 0, 0, strid::BadFunctionArg},
      {"ODD", 1e19L, 0, 0, 0, strid::FloatOpError},
      {"NOT", 0, 0, -1, kExact, kOk},
      {"NOT", 5, 0, -6, kExact, kOk},
      {"NOT", 2.5L, 0, -3, kExact, kOk},  // rounded to even, no integrality check
      {"NOT", 3.5L, 0, -5, kExact, kOk},
      {"NOT", -1, 0, 0, kExact, kOk},
      {"NOT", 1e19L, 0, 0, 0, strid::FloatOpError},
  }, false);
}

TEST(Builtins, Rotations) {
  CheckRows({
      {"ROL", 1, 31, -2147483648.0L, kExact, kOk},
      {"ROL", 1, 33, 2, kExact, kOk},
      {"ROL", 1, -1, -2147483648.0L, kExact, kOk},
      {"ROR", 1, 1, -2147483648.0L, kExact, kOk},
      {"ROL", 4294967295.0L, 4, -1, kExact, kOk},  // FFFFFFFFh
      {"ROL", 1, 0, 1, kExact, kOk},
      {"ROL", 1, 32, 1, kExact, kOk},
      {"ROR", 2, 1, 1, kExact, kOk},
      {"ROR", 2147483648.0L, 31, 1, kExact, kOk},
      {"ROL", 0x40000000, 1, -2147483648.0L, kExact, kOk},
      {"ROL", 0x123456789LL, 0, 0x23456789, kExact, kOk},  // only the low 32 bits
      {"ROR", 0x12345678, 8, 0x78123456, kExact, kOk},
      {"ROL", 0x12345678, 8, 0x34567812, kExact, kOk},
      {"ROL", -1, 5, -1, kExact, kOk},
      {"ROL", 1.5L, 1, 0, 0, strid::ArgNotInteger},
      {"ROR", 1, 1.5L, 0, 0, strid::ArgNotInteger},
      {"ROL", 1e19L, 1, 0, 0, strid::FloatOpError},
  }, false);
}

TEST(Builtins, MessagesCarryTheirTexts) {
  struct TMessageRow {
    const char* Name;
    Extended X;
    Extended N;
    const char* Text;
  };
  const std::vector<TMessageRow> rows = {
      {"ROL", 1.5L, 1, "Аргумент не целое число"},
      {"EXP", 20000, 0, "Ошибка в операции с плавающей точкой"},
      {"LN", 0, 0, "Выражение под логарифмом меньше нуля"},
      {"SQRT", -4, 0, "Выражение под корнем меньше нуля"},
      {"FACT", -1, 0, "Неверный аргумент функции"},
  };
  for (const TMessageRow& row : rows) {
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(Call(row.Name, row.X, row.N).Message, row.Text);
  }
}

TEST(Builtins, PiHasTheFixedBitPattern) {
  const TExtendedBits bits = BitsOf(PiValue());
  EXPECT_EQ(bits.Significand, 0xC90FDAA22168C235ULL);
  EXPECT_EQ(bits.SignExponent, 0x4000u);
}

TEST(Builtins, EIsExpOfOne) {
  EXPECT_EQ(EValue(), std::numbers::e_v<Extended>);
  EXPECT_EQ(EValue(), 2.71828182845904523536L);
}

}  // namespace

namespace {

// Through the whole evaluation: arguments are read before the function's
// guarded region, and an engine message passes the regions around it.

TEST(BuiltinsEvaluated, Degrees) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
      {"FACT(5)", 120},
      {"ROL(1,31)", -2147483648.0L},
      {"ROL(FFFFFFFFh,4)", -1},
      {"ROR(1,1)", -2147483648.0L},
      {"LOG2(8)", 3},
      {"SQRT (4)", 2},
      {"EXP(-20000)", 0},
      {"ARCSIN(1)", 90},
      {"ABS(-3)^2", 9},
      Fails("FACT(2.5)", strid::BadFunctionArg),
      Fails("FACT(1755)", strid::FloatOpError),
      Fails("1/FACT(1755)", strid::FloatOpError),  // not 61153: the inner region speaks first
      Fails("ROL(1.5,1)", strid::ArgNotInteger),
      Fails("LN(0)", strid::LogBelowZero),
      Fails("1/LN(0)", strid::LogBelowZero),
      Fails("SQRT(-4)", strid::RootBelowZero),
      Fails("ARCSIN(1.0001)", strid::BadFunctionArg),
      Fails("EXP(20000)", strid::FloatOpError),
      Fails("SIN(1/0)", strid::DivisionByZero),
      Fails("ROL(1)", strid::SyntaxError),
      Fails("SIN(1,2)", strid::MissingBracket),
      Fails("TAN(90)", strid::BadFunctionArg),
      {"SIN(180)", 0},
      {"COS(90)", 0},
      {"SIN(360)", 0},
  });
  Extended value = 0;
  std::string error;
  ASSERT_TRUE(parser.Evaluate("FACT(1754)", value, error)) << error;
  EXPECT_GT(value, 1.979e4930L);
}

// The exact results: sine and cosine at every multiple of 30 degrees and
// tangent at every multiple of 45 from -720 to 720 where the true value is
// 0, 1/2 or 1 (and TAN's message at odd multiples of 90); the same far out;
// the inverse functions back; the whole line read; results that stay.
TEST(BuiltinsEvaluated, ExactResultsAndRefusals) {
  TZQParser parser = ReportingParser();
  // Sine of the multiples of 30 degrees modulo 360, in halves; 2 means none.
  const auto halfSine = [](int degrees) {
    switch (((degrees % 360) + 360) % 360) {
      case 0: case 180: return 0;
      case 30: case 150: return 1;
      case 90: return 2;
      case 210: case 330: return -1;
      case 270: return -2;
      default: return 3;  // not 0, 1/2 or 1
    }
  };
  for (int a = -720; a <= 720; a += 15) {
    const std::string arg = "(" + std::to_string(a) + ")";
    const int sine = halfSine(a);
    const int cosine = halfSine(a + 90);
    if (sine != 3) ExpectRows(parser, {{"SIN" + arg, sine / 2.0L}});
    if (cosine != 3) ExpectRows(parser, {{"COS" + arg, cosine / 2.0L}});
    if (a % 90 == 0 && cosine == 0) ExpectRows(parser, {Fails("TAN" + arg, strid::BadFunctionArg)});
    if (a % 180 == 0) ExpectRows(parser, {{"TAN" + arg, 0}});
    if ((a % 90 + 90) % 90 == 45) ExpectRows(parser, {{"TAN" + arg, ((a + 720) / 90) % 2 ? -1.0L : 1.0L}});
  }
  Extended far = 0;
  Extended near = 0;
  std::string error;
  // 10^20 + 180 rounds to 10^20 + 176, which is 96 modulo 360.
  ASSERT_TRUE(parser.Evaluate("SIN(1E20+180)", far, error)) << error;
  ASSERT_TRUE(parser.Evaluate("SIN(96)", near, error)) << error;
  EXPECT_EQ(far, near);
  ExpectRows(parser, {
      {"SIN(1E20+80)", 0},     // 360 modulo 360
      {"COS(1E20+80)", 1},
      {"COS(1E20+200)", -0.5L},  // 120
      Fails("TAN(1E18+170)", strid::BadFunctionArg),  // 90
      {"ARCSIN(0.5)", 30},
      {"ARCSIN(-0.5)", -30},
      {"ARCCOS(0.5)", 60},
      {"ARCCOS(-0.5)", 120},
      {"ARCCOS(0)", 90},
      {"ARCCOS(-1)", 180},
      {"ARCTAN(-1)", -45},
      // The whole line is read.
      Fails("2,5", strid::SyntaxError),
      Fails("1,234.56", strid::SyntaxError),
      Fails("2)+(3", strid::SyntaxError),
      Fails("(1,2)", strid::MissingBracket),
      Fails("SIN(1,2)", strid::MissingBracket),
      // Results that stay as they were.
      {"SIN(30)", 0.5L},
      {"ARCTAN(1)", 45},
      {"2^10", 1024},
      {"(-8)^3", -512},
      {"0^0", 1},
      {"2^-2", 0.25L},
      {"LG(1000)", 3},
      {"FACT(25)", 15511210043330985984000000.0L},
      Fails("10^5000", strid::Overflow),
      Fails("FACT(1755)", strid::FloatOpError),
      Fails("(-8)^(1/3)", strid::InvalidOp),
      Fails("0^-1", strid::ZeroDivide),
  });
}

TEST(BuiltinsEvaluated, Radians) {
  TZQParser parser = ReportingParser();
  parser.Angle = true;
  ExpectRows(parser, {
      {"ARCCOS(-1)", PiValue()},
      {"ARCSIN(1)*2", PiValue()},
      {"SIN(9223372036854775808)", 0xf.ffb6fea16e2a218p-4L},
      {"TAN(9223372036854775808)", 0xa.97a873abca0e6p+3L},
      {"SIN(1E22)", -0xd.a29d5bb5f9cb87dp-4L},
      {"SIN(PI/2)", 1},
  });
}

}  // namespace
