// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/factorial.h"

namespace {
// 20! is the last factorial below 2^63: up to there the integer product is
// exact and converts without rounding.
constexpr std::int64_t kLastExactInInteger = 20;
}  // namespace

Extended FactorialOf(std::int64_t n) {
  std::uint64_t product = 1;
  if (n <= kLastExactInInteger) {
    for (std::int64_t k = 2; k <= n; ++k) product *= static_cast<std::uint64_t>(k);
    return static_cast<Extended>(product);
  }
  // Beyond, the factors are gathered into exact 64-bit products and those
  // multiplied with 113-bit significands: at most a few hundred roundings,
  // each of 2^-113, stay far below the half ulp of the final rounding (the
  // accuracy test compares every n with the exact value).
  __float128 result = 1;
  for (std::int64_t k = 2; k <= n; ++k) {
    const auto factor = static_cast<std::uint64_t>(k);
    if (product > UINT64_MAX / factor) {
      result *= static_cast<__float128>(product);
      product = 1;
    }
    product *= factor;
  }
  result *= static_cast<__float128>(product);
  return static_cast<Extended>(result);
}
