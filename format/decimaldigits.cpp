// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/decimaldigits.h"

#include <cstdio>

#include "format/nearestrounding.h"

namespace {
using u128 = unsigned __int128;

constexpr std::uint64_t kTen17 = 100000000000000000ULL;
constexpr std::uint64_t kTen18 = 1000000000000000000ULL;
// Up to 5^27 a power of five fits in 64 bits, up to 5^55 in 128 bits; these
// bound the integer path.
constexpr int kMaxPow5 = 27;
constexpr int kMaxWidePow5 = 55;

constexpr std::uint64_t Pow5(int n) {
  std::uint64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 5;
  return p;
}

constexpr u128 WidePow5(int n) {
  u128 p = 1;
  for (int i = 0; i < n; ++i) p *= 5;
  return p;
}

int BitWidth(u128 x) {
  const auto high = static_cast<std::uint64_t>(x >> 64);
  if (high) return 128 - __builtin_clzll(high);
  const auto low = static_cast<std::uint64_t>(x);
  return low ? 64 - __builtin_clzll(low) : 0;
}

// Writes q (10^17 <= q < 10^18 ... or up to 18 digits) as the digit string.
void StoreDigits(std::uint64_t q, int point, TDecimalDigits& out) {
  char text[kMaxDigits];
  for (int i = kMaxDigits - 1; i >= 0; --i) {
    text[i] = static_cast<char>('0' + q % 10);
    q /= 10;
  }
  int count = kMaxDigits;
  while (count > 0 && text[count - 1] == '0') --count;
  for (int i = 0; i < count; ++i) out.digit[i] = text[i];
  out.count = count;
  out.point = count ? point : 0;
}

// Floor of (mantissa * 2^exponent * 10^scale) and how the dropped fraction
// compares with one half (-1 below, 0 exactly, +1 above). False when the
// quantities leave 128 bits.
// Small magnitudes (about 1E-38 to 1E-10): mantissa * 5^scale takes up to
// 192 bits, of which the quotient needs the top 128 after a right shift of
// at least 64.
bool SmallScaledQuotient(std::uint64_t mantissa, int scale, int shift, std::uint64_t& quotient,
                         int& half) {
  if (scale > kMaxWidePow5 || shift > -64) return false;
  const u128 power = WidePow5(scale);
  const u128 low = static_cast<u128>(mantissa) * static_cast<std::uint64_t>(power);
  const u128 high = static_cast<u128>(mantissa) * static_cast<std::uint64_t>(power >> 64);
  const auto bottom = static_cast<std::uint64_t>(low);  // the product's lowest 64 bits
  const u128 top = high + (low >> 64);                  // the product >> 64, below 2^128
  const int right = -shift - 64;
  if (right >= 128) return false;
  u128 q = top;
  if (right == 0) {
    const std::uint64_t halfUnit = std::uint64_t{1} << 63;
    half = bottom < halfUnit ? -1 : bottom == halfUnit ? 0 : 1;
  } else {
    q = top >> right;
    const u128 rest = top - (q << right);
    const u128 halfUnit = static_cast<u128>(1) << (right - 1);
    half = rest < halfUnit ? -1 : rest > halfUnit ? 1 : bottom != 0 ? 1 : 0;
  }
  if (q >> 64) return false;
  quotient = static_cast<std::uint64_t>(q);
  return true;
}

bool ScaledQuotient(std::uint64_t mantissa, int exponent, int scale, std::uint64_t& quotient,
                    int& half) {
  const int shift = exponent + scale;  // the power of two left after 10^scale = 2^scale 5^scale
  if (scale > kMaxPow5) return SmallScaledQuotient(mantissa, scale, shift, quotient, half);
  if (scale < -kMaxPow5) return false;
  if (scale >= 0) {
    const u128 product = static_cast<u128>(mantissa) * Pow5(scale);
    if (shift >= 0) {
      if (shift >= 128 || BitWidth(product) + shift > 127) return false;
      const u128 q = product << shift;
      if (q >> 64) return false;
      quotient = static_cast<std::uint64_t>(q);
      half = -1;
      return true;
    }
    const int right = -shift;
    if (right >= 128) return false;
    const u128 q = product >> right;
    if (q >> 64) return false;
    const u128 rest = product - (q << right);
    const u128 halfUnit = static_cast<u128>(1) << (right - 1);
    quotient = static_cast<std::uint64_t>(q);
    half = rest < halfUnit ? -1 : rest == halfUnit ? 0 : 1;
    return true;
  }
  // Divide by 5^-scale, and by 2^-shift when shift is negative.
  const u128 pow5 = Pow5(-scale);
  u128 numerator = mantissa;
  u128 divisor = pow5;
  if (shift >= 0) {
    if (shift >= 64 || BitWidth(numerator) + shift > 127) return false;
    numerator <<= shift;
  } else {
    if (-shift >= 64) return false;
    divisor <<= -shift;
  }
  const u128 q = numerator / divisor;
  if (q >> 64) return false;
  const u128 rest = numerator - q * divisor;
  quotient = static_cast<std::uint64_t>(q);
  // The divisor is even only through its power of two, so an exact half is
  // possible; compare 2*rest with the divisor (both below 2^128).
  const u128 twice = rest << 1;
  half = twice < divisor ? -1 : twice == divisor ? 0 : 1;
  return true;
}

}  // namespace

bool DigitsByIntegers(std::uint64_t mantissa, int exponent, TDecimalDigits& out) {
  out = TDecimalDigits{};
  if (mantissa == 0) return true;
  // Normalise so that the magnitude lies in [2^top, 2^(top+1)).
  const int lead = __builtin_clzll(mantissa);
  mantissa <<= lead;
  exponent -= lead;
  const int top = exponent + 63;
  if (top < -400 || top > 400) return false;
  // floor(top * log10(2)) + 1 is X or one less than X.
  int point = ((top * 78913) >> 18) + 1;
  std::uint64_t q = 0;
  int half = 0;
  if (!ScaledQuotient(mantissa, exponent, kMaxDigits - point, q, half)) return false;
  if (q >= kTen18) {
    ++point;
    if (!ScaledQuotient(mantissa, exponent, kMaxDigits - point, q, half)) return false;
  }
  if (q < kTen17 || q >= kTen18) return false;  // the estimate of X was off: leave it to printf
  if (half > 0 || (half == 0 && (q & 1))) ++q;
  if (q == kTen18) {
    q = kTen17;
    ++point;
  }
  StoreDigits(q, point, out);
  return true;
}

TDecimalDigits DigitsByPrintf(long double magnitude) {
  TDecimalDigits out;
  if (!(magnitude > 0.0L)) return out;
  char text[64];
  {
    TNearestRounding nearest;
    std::snprintf(text, sizeof text, "%.17Le", magnitude);
  }
  // The decimal point printf writes belongs to the process locale, so only
  // the digits and the exponent are read: d.ddd...e[+-]xx.
  std::uint64_t q = 0;
  int count = 0;
  const char* p = text;
  for (; *p && *p != 'e' && *p != 'E'; ++p) {
    if (*p >= '0' && *p <= '9' && count < kMaxDigits) {
      q = q * 10 + static_cast<unsigned>(*p - '0');
      ++count;
    }
  }
  if (count != kMaxDigits || !*p) return out;
  ++p;
  const bool negativeExponent = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  int exponent10 = 0;
  for (; *p >= '0' && *p <= '9'; ++p) exponent10 = exponent10 * 10 + (*p - '0');
  StoreDigits(q, (negativeExponent ? -exponent10 : exponent10) + 1, out);
  return out;
}

TDecimalDigits DigitsOf(std::uint64_t mantissa, int exponent) {
  TDecimalDigits out;
  if (DigitsByIntegers(mantissa, exponent, out)) return out;
  // Rare: magnitudes far from 1. The caller's value is rebuilt exactly.
  int lead = __builtin_clzll(mantissa);
  mantissa <<= lead;
  exponent -= lead;
  return DigitsByPrintf(__builtin_ldexpl(static_cast<long double>(mantissa), exponent));
}

void CutDigits(TDecimalDigits& digits, int n) {
  if (n < 0) n = 0;
  if (digits.count <= n) return;
  const bool roundUp = digits.digit[n] >= '5';
  digits.count = n;
  if (roundUp) {
    int i = n - 1;
    while (i >= 0 && digits.digit[i] == '9') --i;
    if (i < 0) {
      // Every kept digit was 9 (or none was kept): the carry adds a digit.
      digits.digit[0] = '1';
      digits.count = 1;
      ++digits.point;
    } else {
      ++digits.digit[i];
      digits.count = i + 1;  // the 9s after it became trailing zeros
    }
  }
  while (digits.count > 0 && digits.digit[digits.count - 1] == '0') --digits.count;
  if (digits.count == 0) digits.point = 0;
}
