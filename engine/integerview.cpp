// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/integerview.h"

#include <cmath>

#include "engine/zqerrors.h"

namespace {
constexpr Extended kTwoTo63 = 9223372036854775808.0L;

// The effective shift distance, or -1 when every bit is shifted out.
int ShiftDistance(std::int64_t count) {
  const int k = static_cast<int>(static_cast<std::uint64_t>(count) & 0xFF);
  if (k >= 64 && k <= 127) return -1;
  if (k >= 32 && k <= 63) return k;
  return k % 32;
}
}  // namespace

bool IsInteger(Extended x) {
  if (!(std::fabs(x) < kTwoTo63)) throw EZQArithmeticError(strid::InvalidOp);
  return x - static_cast<Extended>(static_cast<std::int64_t>(x)) == 0;
}

std::int64_t IntegerView(Extended x) {
  if (!(std::fabs(x) < kTwoTo63)) throw EZQArithmeticError(strid::InvalidOp);
  return std::llrint(x);  // the evaluation rounds to nearest, ties to even
}

void RequireIntegers(Extended a, Extended b) {
  if (!IsInteger(a) || !IsInteger(b)) throw EZQParserError(strid::ArgNotInteger);
}

std::int64_t ShiftLeft(std::int64_t value, std::int64_t count) {
  const int k = ShiftDistance(count);
  if (k < 0) return 0;
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(value) << k);
}

std::int64_t ShiftRight(std::int64_t value, std::int64_t count) {
  const int k = ShiftDistance(count);
  if (k < 0) return 0;
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(value) >> k);
}
