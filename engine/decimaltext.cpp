// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/decimaltext.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "engine/charclass.h"
#include "engine/checkedops.h"

namespace {
using charclass::IsDigit;

// Decimal exponents are saturated here while they are read: far beyond any
// value that can be represented, far from the limits of the integer type.
constexpr std::int64_t kExponentLimit = 1'000'000'000;
// Significant digits that fit a 64-bit integer exactly.
constexpr int kMaxDigits = 19;

struct TDecimalParts {
  bool negative = false;
  std::string_view intDigits;
  std::string_view fracDigits;
  std::int64_t exponent = 0;
};

// Powers of ten up to here are exact in the 64-bit significand (5^27 < 2^64),
// so an integer of up to 19 digits times or over one of them is rounded once.
constexpr int kMaxExactPowerOfTen = 27;

// 10^k for 0 <= k <= kMaxExactPowerOfTen, exact.
Extended PowerOfTen(int k) {
  static constexpr Extended kPowers[kMaxExactPowerOfTen + 1] = {
      1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
      1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
      1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
  return kPowers[k];
}

// Past this many significant digits only whether any further digit is
// nonzero matters for the nearest extended value: halfway points between two
// extended values (denormals included) have fewer significant digits.
constexpr std::size_t kMaxRoundingDigits = 12000;

// The nearest extended value to digits x 10^exponent10 (digits without
// leading zeros), ties to even: the library's exact conversion in the "C"
// locale, whatever the user's locale is.
Extended ExactScale(const std::string& digits, std::int64_t exponent10, bool negative) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  std::string text;
  text.reserve(digits.size() + 24);
  if (negative) text += '-';
  if (digits.size() > kMaxRoundingDigits) {
    text.append(digits, 0, kMaxRoundingDigits);
    // A sticky digit stands for every nonzero digit cut off.
    if (digits.find_first_not_of('0', kMaxRoundingDigits) != std::string::npos) {
      text += '1';
      exponent10 -= 1;
    }
    exponent10 += static_cast<std::int64_t>(digits.size() - kMaxRoundingDigits);
  } else {
    text += digits;
  }
  text += 'e';
  text += std::to_string(exponent10);
  // The library reports a result beyond the range by its overflow flag.
  const Extended value = checked::DoneInLibrary(strtold_l(text.c_str(), nullptr, cLocale));
  if (std::isinf(value)) throw EZQArithmeticError(strid::Overflow);
  return value;
}

Extended Compose(const TDecimalParts& parts) {
  std::string digits;  // the significant digits, leading zeros dropped
  std::int64_t scale = 0;
  auto take = [&](char c, bool fraction) {
    if (fraction) --scale;
    if (digits.empty() && c == '0') return;
    digits += c;
  };
  for (char c : parts.intDigits) take(c, false);
  for (char c : parts.fracDigits) take(c, true);
  if (digits.empty()) return 0;
  // Trailing zeros only move the exponent.
  const std::size_t last = digits.find_last_not_of('0');
  scale += static_cast<std::int64_t>(digits.size() - 1 - last);
  digits.resize(last + 1);
  const std::int64_t exponent10 = scale + parts.exponent;
  if (digits.size() <= static_cast<std::size_t>(kMaxDigits) && exponent10 >= -kMaxExactPowerOfTen &&
      exponent10 <= kMaxExactPowerOfTen) {
    std::uint64_t mantissa = 0;
    for (char c : digits) mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    const Extended m = static_cast<Extended>(mantissa);
    const Extended power = PowerOfTen(static_cast<int>(exponent10 < 0 ? -exponent10 : exponent10));
    const Extended value = exponent10 < 0 ? checked::Div(m, power) : checked::Mul(m, power);
    return parts.negative ? -value : value;
  }
  return ExactScale(digits, exponent10, parts.negative);
}

std::size_t SkipDigits(std::string_view t, std::size_t i) {
  while (i < t.size() && IsDigit(t[i])) ++i;
  return i;
}

bool IsSign(std::string_view t, std::size_t i) { return i < t.size() && (t[i] == '+' || t[i] == '-'); }

// Reads [sign] digits [point digits] [exponent] from i. Returns the position
// after them, or npos when an exponent letter has no digits.
std::size_t ReadParts(std::string_view t, std::size_t i, char alternatePoint, TDecimalParts& parts) {
  if (IsSign(t, i)) parts.negative = t[i++] == '-';
  std::size_t begin = i;
  i = SkipDigits(t, i);
  parts.intDigits = t.substr(begin, i - begin);
  if (i < t.size() && (t[i] == '.' || t[i] == alternatePoint)) {
    begin = ++i;
    i = SkipDigits(t, i);
    parts.fracDigits = t.substr(begin, i - begin);
  }
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (IsSign(t, i)) negativeExponent = t[i++] == '-';
    begin = i;
    std::int64_t exponent = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i)
      if (exponent < kExponentLimit) exponent = exponent * 10 + (t[i] - '0');
    if (i == begin) return std::string_view::npos;
    parts.exponent = negativeExponent ? -exponent : exponent;
  }
  return i;
}

std::size_t SkipBlanks(std::string_view t, std::size_t i) {
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  return i;
}

// The common literal: digits with at most one point, no sign, no exponent,
// at most 19 digits in all. Its value is one exact integer, divided by an
// exact power of ten when it has a fraction.
bool ReadPlainDecimal(std::string_view text, char alternatePoint, Extended& value) {
  if (text.empty() || text.size() > static_cast<std::size_t>(kMaxDigits) + 1) return false;
  std::uint64_t mantissa = 0;
  int digits = 0;
  int fractionDigits = -1;  // -1: no point seen
  for (const char c : text) {
    if (IsDigit(c) && ++digits <= kMaxDigits) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
      if (fractionDigits >= 0) ++fractionDigits;
    } else if ((c == '.' || c == alternatePoint) && fractionDigits < 0) {
      fractionDigits = 0;
    } else {
      return false;
    }
  }
  value = static_cast<Extended>(mantissa);
  if (fractionDigits > 0) value = checked::Div(value, PowerOfTen(fractionDigits));
  return true;
}
}  // namespace

bool ReadDecimalLiteral(std::string_view text, char alternatePoint, Extended& value) {
  if (ReadPlainDecimal(text, alternatePoint, value)) return true;
  if (text.empty() || text == "+" || text == "-") return false;
  TDecimalParts parts;
  if (ReadParts(text, 0, alternatePoint, parts) != text.size()) return false;
  value = Compose(parts);
  return true;
}

bool ReadDecimalValue(std::string_view text, char alternatePoint, Extended& value) {
  TDecimalParts parts;
  std::size_t i = ReadParts(text, SkipBlanks(text, 0), alternatePoint, parts);
  if (i == std::string_view::npos || (parts.intDigits.empty() && parts.fracDigits.empty())) return false;
  if (SkipBlanks(text, i) != text.size()) return false;
  value = Compose(parts);
  return true;
}
