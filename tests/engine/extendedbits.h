// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two parts of an x87 80-bit value as they lie in memory, for tests that
// pin a value down to its last bit.
#include <cstdint>
#include <cstring>

#include "engine/zqvalue.h"

struct TExtendedBits {
  std::uint64_t Significand = 0;  // bytes 0-7, the explicit integer bit on top
  unsigned SignExponent = 0;      // bytes 8-9
};

inline TExtendedBits BitsOf(Extended value) {
  unsigned char bytes[sizeof(Extended)] = {};
  std::memcpy(bytes, &value, 10);
  TExtendedBits bits;
  std::memcpy(&bits.Significand, bytes, 8);
  bits.SignExponent = bytes[8] | (bytes[9] << 8);
  return bits;
}
