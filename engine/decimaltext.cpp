#include "engine/decimaltext.h"

#include <cstdint>

#include "engine/charclass.h"
#include "engine/checkedops.h"

namespace {
using charclass::IsDigit;

// The largest power of ten below the extended range (about 1.19E4932).
constexpr int kMaxPowerOfTen = 4932;
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

// 10^k for 0 <= k <= kMaxPowerOfTen: the low five bits from a table of exact
// (up to 10^27) or correctly rounded powers, the rest from 10^(32*2^i).
Extended PowerOfTen(int k) {
  static constexpr Extended kLow[32] = {
      1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
      1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
      1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L};
  static constexpr Extended kHigh[8] = {1e32L,  1e64L,   1e128L,  1e256L,
                                        1e512L, 1e1024L, 1e2048L, 1e4096L};
  Extended result = kLow[k & 31];
  k >>= 5;
  for (int i = 0; k != 0; ++i, k >>= 1)
    if (k & 1) result *= kHigh[i];
  return result;
}

Extended Scale(std::uint64_t mantissa, std::int64_t exponent10) {
  const Extended m = static_cast<Extended>(mantissa);
  if (exponent10 == 0) return m;
  if (exponent10 > kMaxPowerOfTen) throw EZQArithmeticError(strid::Overflow);
  if (exponent10 >= 0) return checked::Mul(m, PowerOfTen(static_cast<int>(exponent10)));
  std::int64_t k = -exponent10;
  Extended value = m;
  if (k > kMaxPowerOfTen) {
    value = checked::Div(value, PowerOfTen(kMaxPowerOfTen));
    k -= kMaxPowerOfTen;
    if (k > kMaxPowerOfTen) return 0;  // far below the smallest denormal
  }
  return checked::Div(value, PowerOfTen(static_cast<int>(k)));
}

Extended Compose(const TDecimalParts& parts) {
  std::uint64_t mantissa = 0;
  int digits = 0;
  std::int64_t scale = 0;
  int firstDropped = -1;
  auto take = [&](char c, bool fraction) {
    const int d = c - '0';
    if (digits == 0 && d == 0) {  // a leading zero
      if (fraction) --scale;
    } else if (digits < kMaxDigits) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(d);
      ++digits;
      if (fraction) --scale;
    } else {
      if (!fraction) ++scale;
      if (firstDropped < 0) firstDropped = d;
    }
  };
  for (char c : parts.intDigits) take(c, false);
  for (char c : parts.fracDigits) take(c, true);
  if (firstDropped >= 5) ++mantissa;  // at most 10^19, still exact
  if (mantissa == 0) return 0;
  const Extended value = Scale(mantissa, scale + parts.exponent);
  return parts.negative ? -value : value;
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
