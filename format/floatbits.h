// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An x87 80-bit value taken apart from its bits. Every bit pattern can reach
// the formatter (a value read back from a file, a fault that slipped through),
// so the kind of a value is decided from its encoding, never by arithmetic on
// it: the FPU rejects unnormals and pseudo-infinities as operands.
#include <cstdint>

enum class TFloatKind { Zero, Finite, Infinite, NotANumber };

struct TFloatParts {
  TFloatKind kind = TFloatKind::Zero;
  bool negative = false;
  // Finite values only: magnitude = mantissa * 2^exponent, top bit of
  // mantissa set (denormals are normalised here).
  std::uint64_t mantissa = 0;
  int exponent = 0;
};

// Unnormals, pseudo-infinities and pseudo-NaNs count as not-a-number, which
// is what the FPU makes of them; pseudo-denormals are finite.
TFloatParts DecomposeExtended(long double value);

// The magnitude of a Zero or Finite value in its canonical encoding, safe
// for ordinary arithmetic (a pseudo-denormal becomes the equal normal value).
long double CanonicalMagnitude(const TFloatParts& parts);
