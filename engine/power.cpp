// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/power.h"

#include <cmath>
#include <cstdint>

#include "engine/checkedops.h"

namespace {
constexpr Extended kMaxSquaringExponent = 2147483647.0L;

Extended PowerBySquaring(Extended base, std::uint32_t n) {
  Extended result = 1;
  Extended factor = base;
  for (;;) {
    if (n & 1u) result = checked::Mul(result, factor);
    n >>= 1;
    if (n == 0) return result;
    factor = checked::Mul(factor, factor);  // only while higher bits remain
  }
}
}  // namespace

Extended Power(Extended base, Extended e) {
  if (e == 0) return 1;
  if (base == 0 && e > 0) return 0;
  const Extended magnitude = std::fabs(e);
  if (magnitude <= kMaxSquaringExponent && e == std::trunc(e)) {
    const Extended result = PowerBySquaring(base, static_cast<std::uint32_t>(magnitude));
    return e < 0 ? checked::Div(1, result) : result;
  }
  const Extended logBase = checked::DoneInLibrary(std::log(base));
  const Extended exponent = checked::Mul(e, logBase);
  return checked::DoneInLibrary(std::exp(exponent));
}
