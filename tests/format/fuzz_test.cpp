// SPDX-License-Identifier: GPL-3.0-or-later
// Random 80-bit bit patterns through every code and NDigit: FormatValue must
// neither throw nor crash, must not leave a floating-point fault flag behind,
// and its texts must make sense.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "format/floatbits.h"
#include "format/zqformat.h"

namespace {
constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

long double RandomPattern(std::mt19937_64& random) {
  unsigned char bytes[sizeof(long double)];
  for (auto& b : bytes) b = static_cast<unsigned char>(random());
  // Half of the patterns get an exponent near the middle, where the usual
  // values live; the rest spread over the whole encoding.
  if (random() & 1) {
    const std::uint16_t exponent = static_cast<std::uint16_t>(0x3FFF - 200 + random() % 400);
    bytes[8] = static_cast<unsigned char>(exponent);
    bytes[9] = static_cast<unsigned char>((bytes[9] & 0x80) | (exponent >> 8));
  }
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

bool OnlyCharacters(const std::string& text, const char* allowed) {
  return std::all_of(text.begin(), text.end(), [&](char c) { return std::strchr(allowed, c) != nullptr; });
}

// Reads back a scientific text written with the separator.
long double ReadBack(std::string text, char separator) {
  std::replace(text.begin(), text.end(), separator, '.');
  return std::strtold(text.c_str(), nullptr);
}
}  // namespace

TEST(FormatFuzz, AnyBitPatternAnyCodeAnyNDigit) {
  std::mt19937_64 random(4242);
  for (int i = 0; i < 1500; ++i) {
    const long double value = RandomPattern(random);
    const TFloatParts parts = DecomposeExtended(value);
    for (int code = -12; code <= 7; ++code) {
      for (int nDigit = -1; nDigit <= 20; ++nDigit) {
        TFormatSettings settings;
        settings.NDigit = nDigit;
        settings.DecimalSeparator = (i & 1) ? ',' : '.';
        settings.ErrorOn = (i & 2) != 0;
        std::feclearexcept(FE_ALL_EXCEPT);
        const std::string text = FormatValue(value, code, settings);
        ASSERT_EQ(std::fetestexcept(kFaults), 0) << "code " << code << " text " << text;
        const bool based = code >= 3 && code <= 5;
        if (based) {
          const char suffix = code == 3 ? 'h' : code == 4 ? 'o' : 'b';
          const bool fits = parts.kind == TFloatKind::Zero ||
                            (parts.kind == TFloatKind::Finite && parts.exponent + 63 < 62);
          if (fits) {
            ASSERT_EQ(text.back(), suffix) << text;
          }
          if (!text.empty() && text.back() == suffix) {
            ASSERT_LE(text.size(), 33u);
            ASSERT_TRUE(OnlyCharacters(text.substr(0, text.size() - 1), "0123456789ABCDEF")) << text;
          } else {
            ASSERT_NE(parts.kind, TFloatKind::Zero);
            ASSERT_EQ(text, settings.ErrorOn ? "Неверная операция с дробными числами" : "");
          }
          continue;
        }
        ASSERT_FALSE(text.empty());
        ASSERT_LE(text.size(), 48u) << text;
        if (parts.kind == TFloatKind::NotANumber) {
          ASSERT_EQ(text, "NAN");
          continue;
        }
        if (parts.kind == TFloatKind::Infinite) {
          ASSERT_EQ(text, parts.negative ? "-INF" : "INF");
          continue;
        }
        ASSERT_TRUE(OnlyCharacters(text, "0123456789E+-.,")) << text;
        ASSERT_LE(std::count(text.begin(), text.end(), settings.DecimalSeparator), 1) << text;
        if (code == 1) {
          const int p = std::clamp(nDigit, 2, 18);
          const long double canonical = CanonicalMagnitude(parts);
          const long double back = ReadBack(text, settings.DecimalSeparator);
          const long double expected = parts.negative ? -canonical : canonical;
          if (canonical >= LDBL_MIN && canonical < LDBL_MAX / 2) {
            ASSERT_LE(std::fabs(back - expected), std::fabs(expected) * 6 * std::pow(10.0L, -p))
                << text;
          }
        }
      }
    }
  }
}

TEST(FormatFuzz, DirectedRoundingInForceChangesNothing) {
  // The caller may have left another rounding direction set; the texts are
  // defined with rounding to nearest, and the direction is given back.
  TFormatSettings settings;
  settings.NDigit = 18;
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    EXPECT_EQ(FormatValue(2.5L, 3, settings), "2h");
    EXPECT_EQ(FormatValue(-2.5L, 3, settings), "FFFFFFFEh");
    EXPECT_EQ(FormatValue(2.0L / 3, 1, settings), "6.66666666666666667E-1");
    EXPECT_EQ(FormatValue(1e300L, 1, settings), "1.00000000000000000E+300");
    EXPECT_EQ(FormatValue(0.0025L, -6, settings), "2.500000000000000000E-3");
    EXPECT_EQ(std::fegetround(), mode);
    std::fesetround(FE_TONEAREST);
  }
}
