// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/basetext.h"

#include <cmath>

#include "format/floatbits.h"

std::string ToBaseText(std::uint32_t n, int base) {
  const int bits = base == 2 ? 1 : base == 8 ? 3 : 4;
  const std::uint32_t mask = (1u << bits) - 1;
  char text[32];
  int start = sizeof text;
  do {
    text[--start] = "0123456789ABCDEF"[n & mask];
    n >>= bits;
  } while (n != 0);
  return std::string(text + start, sizeof text - start);
}

bool RoundToInt64(long double value, std::int64_t& result) {
  const TFloatParts parts = DecomposeExtended(value);
  if (parts.kind == TFloatKind::Infinite || parts.kind == TFloatKind::NotANumber) return false;
  const long double magnitude = CanonicalMagnitude(parts);
  const long double rounded = std::rint(parts.negative ? -magnitude : magnitude);
  // -2^63 is the one value of that magnitude the type holds.
  if (!(rounded >= -0x1p63L && rounded < 0x1p63L)) return false;
  result = static_cast<std::int64_t>(rounded);
  return true;
}

bool IntegerBaseText(long double value, int base, std::string& text) {
  std::int64_t integer = 0;
  if (!RoundToInt64(value, integer)) return false;
  const auto low32 = static_cast<std::uint32_t>(static_cast<std::uint64_t>(integer));
  text = ToBaseText(low32, base);
  text += base == 16 ? 'h' : base == 8 ? 'o' : 'b';
  return true;
}
