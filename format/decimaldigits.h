// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The digit string every decimal format starts from: the magnitude written
// with 18 significant decimal digits (nearest, ties to even), later cut to
// what a format needs with rounding half up in magnitude.
#include <cstdint>

struct TDecimalDigits {
  char digit[18] = {};  // '1'..'9' first, no trailing '0'
  int count = 0;        // 0: the value is zero
  int point = 0;        // X: value = 0.d1d2d3... * 10^point; 0 for zero
};

inline constexpr int kMaxDigits = 18;

// The 18-digit string of mantissa * 2^exponent (mantissa may be 0), trailing
// zeros dropped. Exact for every finite 80-bit value.
TDecimalDigits DigitsOf(std::uint64_t mantissa, int exponent);

// The two ways DigitsOf works, exposed so tests can hold them against each
// other. The integer one covers magnitudes of about 1E-38 to 1E45 and
// answers false outside; the printf one takes any finite canonical value.
bool DigitsByIntegers(std::uint64_t mantissa, int exponent, TDecimalDigits& out);
TDecimalDigits DigitsByPrintf(long double magnitude);

// Keeps at most n digits; when the first dropped digit is 5 or more the kept
// ones go up by one, possibly gaining a digit in front (9.99 -> 10). n <= 0
// keeps none (n == 0 can still round up to 1 * 10^point). Trailing zeros are
// dropped; a string left empty is zero.
void CutDigits(TDecimalDigits& digits, int n);
