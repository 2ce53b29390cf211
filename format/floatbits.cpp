// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/floatbits.h"

#include <cstring>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the formatter reads the x87 80-bit layout");

namespace {
constexpr int kBias = 16383;
constexpr int kMaxBiased = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

struct TRawExtended {
  std::uint64_t mantissa;
  std::uint16_t signExponent;
};

TRawExtended ReadRaw(long double value) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof value);
  TRawExtended raw;
  std::memcpy(&raw.mantissa, bytes, 8);
  std::memcpy(&raw.signExponent, bytes + 8, 2);
  return raw;
}

long double WriteRaw(std::uint64_t mantissa, std::uint16_t signExponent) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &mantissa, 8);
  std::memcpy(bytes + 8, &signExponent, 2);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}
}  // namespace

TFloatParts DecomposeExtended(long double value) {
  const TRawExtended raw = ReadRaw(value);
  TFloatParts parts;
  parts.negative = (raw.signExponent & 0x8000) != 0;
  const int biased = raw.signExponent & kMaxBiased;
  const std::uint64_t m = raw.mantissa;
  if (biased == kMaxBiased) {
    const bool infinity = (m & kIntegerBit) && (m << 1) == 0;
    parts.kind = infinity ? TFloatKind::Infinite : TFloatKind::NotANumber;
    return parts;
  }
  if (biased == 0) {
    if (m == 0) return parts;  // zero of either sign
    // Denormal, or pseudo-denormal when the integer bit is set: both have the
    // exponent of the smallest normal.
    int exponent = 1 - kBias - 63;
    std::uint64_t normalised = m;
    while (!(normalised & kIntegerBit)) {
      normalised <<= 1;
      --exponent;
    }
    parts.kind = TFloatKind::Finite;
    parts.mantissa = normalised;
    parts.exponent = exponent;
    return parts;
  }
  if (!(m & kIntegerBit)) {
    parts.kind = TFloatKind::NotANumber;  // unnormal or pseudo-zero
    return parts;
  }
  parts.kind = TFloatKind::Finite;
  parts.mantissa = m;
  parts.exponent = biased - kBias - 63;
  return parts;
}

long double CanonicalMagnitude(const TFloatParts& parts) {
  if (parts.kind != TFloatKind::Finite) return 0.0L;
  const int biased = parts.exponent + 63 + kBias;
  if (biased >= 1) return WriteRaw(parts.mantissa, static_cast<std::uint16_t>(biased));
  // Below the normal range: the denormal encoding, exact because the value
  // came from one.
  const int shift = 1 - biased;
  const std::uint64_t m = shift >= 64 ? 0 : parts.mantissa >> shift;
  return WriteRaw(m, 0);
}
