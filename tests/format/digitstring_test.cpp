// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "format/decimaldigits.h"
#include "format/floatbits.h"

namespace {
std::string Text(const TDecimalDigits& d) { return std::string(d.digit, d.count); }

TDecimalDigits Digits(long double v) {
  const TFloatParts parts = DecomposeExtended(v);
  return DigitsOf(parts.mantissa, parts.exponent);
}

TDecimalDigits Make(const char* digits, int point) {
  TDecimalDigits d;
  d.count = static_cast<int>(std::strlen(digits));
  std::memcpy(d.digit, digits, d.count);
  d.point = point;
  return d;
}

long double FromBits(std::uint64_t mantissa, std::uint16_t signExponent) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &mantissa, 8);
  std::memcpy(bytes + 8, &signExponent, 2);
  long double v;
  std::memcpy(&v, bytes, sizeof v);
  return v;
}
}  // namespace

TEST(DigitString, EighteenSignificantDigits) {
  const struct {
    long double value;
    const char* digits;
    int point;
  } rows[] = {
      {0.0L, "", 0},
      {1.0L, "1", 1},
      {1234.5L, "12345", 4},
      {0.0001L, "1", -3},
      {1.0L / 3, "333333333333333333", 0},
      {2.0L / 3, "666666666666666667", 0},
      {99.95L, "9995", 2},  // 99.9499999999999999972 to 18 digits
      {static_cast<long double>(1234567890123456765LL), "123456789012345676", 19},
      {static_cast<long double>(1234567890123456775LL), "123456789012345678", 19},
      {static_cast<long double>(999999999999999999LL), "999999999999999999", 18},
      {static_cast<long double>(9999999999999999995ULL), "1", 20},  // a tie that carries
      {LDBL_MAX, "118973149535723177", 4933},
      {LDBL_TRUE_MIN, "36451995318824746", -4950},
      {1e-10L, "1", -9},
      {1e-30L, "1", -29},
      {1e-38L, "1", -37},
      {1e45L, "1", 46},
  };
  for (const auto& row : rows) {
    const TDecimalDigits d = Digits(row.value);
    EXPECT_EQ(Text(d), row.digits) << static_cast<double>(row.value);
    EXPECT_EQ(d.point, row.point) << static_cast<double>(row.value);
  }
}

TEST(DigitString, IntegerPathAgreesWithPrintf) {
  // Two independent conversions must give the same correctly rounded digits
  // over the whole range the integer path claims.
  std::mt19937_64 random(20261208);
  int compared = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::uint64_t mantissa = random() | (std::uint64_t{1} << 63);
    const int exponent = static_cast<int>(random() % 300) - 63 - 150;  // about 1E-45 .. 1E47
    TDecimalDigits fast;
    if (!DigitsByIntegers(mantissa, exponent, fast)) continue;
    ++compared;
    const TDecimalDigits reference = DigitsByPrintf(std::ldexp(static_cast<long double>(mantissa), exponent));
    ASSERT_EQ(Text(fast), Text(reference)) << mantissa << " * 2^" << exponent;
    ASSERT_EQ(fast.point, reference.point) << mantissa << " * 2^" << exponent;
  }
  EXPECT_GT(compared, 100000);
  // Exact ties: 19-digit integers ending in 5, and short binary fractions.
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t n = (random() % 800000000000000000ULL + 100000000000000000ULL) * 10 + 5;
    TDecimalDigits fast;
    ASSERT_TRUE(DigitsByIntegers(n, 0, fast));
    const TDecimalDigits reference = DigitsByPrintf(static_cast<long double>(n));
    ASSERT_EQ(Text(fast), Text(reference)) << n;
    ASSERT_EQ(fast.point, reference.point) << n;
  }
}

TEST(DigitString, IntegerPathDeclinesFarMagnitudes) {
  TDecimalDigits d;
  EXPECT_FALSE(DigitsByIntegers(std::uint64_t{1} << 63, 1000, d));
  EXPECT_FALSE(DigitsByIntegers(std::uint64_t{1} << 63, -1000, d));
  EXPECT_TRUE(DigitsByIntegers(1, 0, d));
  EXPECT_EQ(Text(d), "1");
}

TEST(DigitString, CutRoundsHalfUpWithCarry) {
  const struct {
    const char* digits;
    int point;
    int keep;
    const char* expected;
    int expectedPoint;
  } rows[] = {
      {"12345", 4, 2, "12", 4},
      {"125", 0, 2, "13", 0},
      {"135", 0, 2, "14", 0},   // half up, not to even
      {"9995", 2, 3, "1", 3},   // 99.95 -> 100
      {"999", 1, 2, "1", 2},
      {"95", 0, 1, "1", 1},
      {"6", 0, 0, "1", 1},      // nothing kept, the first dropped digit rounds up
      {"4", 0, 0, "", 0},       // ... or leaves zero
      {"45", -3, -2, "", 0},
      {"1205", 1, 3, "121", 1},
      {"1201", 1, 3, "12", 1},  // trailing zeros dropped
      {"12", 1, 5, "12", 1},
      {"", 0, 3, "", 0},
  };
  for (const auto& row : rows) {
    TDecimalDigits d = Make(row.digits, row.point);
    CutDigits(d, row.keep);
    EXPECT_EQ(Text(d), row.expected) << row.digits << " keep " << row.keep;
    EXPECT_EQ(d.point, row.expectedPoint) << row.digits << " keep " << row.keep;
  }
}

TEST(FloatBits, EncodingsTheFpuRejectsAreNotANumber) {
  const struct {
    std::uint64_t mantissa;
    std::uint16_t signExponent;
    TFloatKind kind;
  } rows[] = {
      {0, 0, TFloatKind::Zero},
      {0, 0x8000, TFloatKind::Zero},
      {1, 0, TFloatKind::Finite},                          // smallest denormal
      {0x8000000000000000ULL, 0, TFloatKind::Finite},      // pseudo-denormal
      {0x8000000000000000ULL, 0x3FFF, TFloatKind::Finite},  // 1.0
      {0x4000000000000000ULL, 0x3FFF, TFloatKind::NotANumber},  // unnormal
      {0, 0x3FFF, TFloatKind::NotANumber},                 // pseudo-zero
      {0x8000000000000000ULL, 0x7FFF, TFloatKind::Infinite},
      {0x8000000000000000ULL, 0xFFFF, TFloatKind::Infinite},
      {0, 0x7FFF, TFloatKind::NotANumber},                 // pseudo-infinity
      {0x4000000000000000ULL, 0x7FFF, TFloatKind::NotANumber},  // pseudo-NaN
      {0xC000000000000000ULL, 0x7FFF, TFloatKind::NotANumber},  // quiet NaN
      {0x8000000000000001ULL, 0x7FFF, TFloatKind::NotANumber},  // signalling NaN
  };
  for (const auto& row : rows) {
    const TFloatParts parts = DecomposeExtended(FromBits(row.mantissa, row.signExponent));
    EXPECT_EQ(parts.kind, row.kind) << std::hex << row.signExponent << " " << row.mantissa;
  }
}

TEST(FloatBits, PseudoDenormalHasTheValueOfTheSmallestNormal) {
  const TFloatParts pseudo = DecomposeExtended(FromBits(0x8000000000000000ULL, 0));
  const TFloatParts normal = DecomposeExtended(LDBL_MIN);
  EXPECT_EQ(pseudo.mantissa, normal.mantissa);
  EXPECT_EQ(pseudo.exponent, normal.exponent);
  EXPECT_EQ(CanonicalMagnitude(pseudo), LDBL_MIN);
  const TFloatParts denormal = DecomposeExtended(-LDBL_TRUE_MIN * 3);
  EXPECT_TRUE(denormal.negative);
  EXPECT_EQ(CanonicalMagnitude(denormal), LDBL_TRUE_MIN * 3);
}
