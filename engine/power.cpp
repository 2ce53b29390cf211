// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/power.h"

#include <cmath>
#include <cstdint>

#include "engine/checkedops.h"
#include "engine/kernels.h"

namespace {
constexpr Extended kMaxSquaringExponent = 2147483647.0L;
// Beyond this exponent every base but 1 overflows or vanishes.
constexpr Extended kHugeExponent = 0x1p15000L;
// x87 status flags: invalid, zero divide, overflow, underflow, inexact.
constexpr std::uint16_t kNotExact = 0x3D;
// Powers of two between which pair arithmetic keeps all its bits.
constexpr Extended kSafeExponent = 16000;

// base^n by repeated squaring, when no step rounds: an integral power whose
// exact value is representable has only representable partial products,
// so this finds every such power and leaves the others to the logarithm.
bool ExactPower(Extended base, Extended e, Extended& result) {
  asm volatile("fnclex" : "+m"(base) : : "memory");
  auto n = static_cast<std::uint32_t>(std::fabs(e));
  Extended power = 1;
  Extended factor = base;
  for (;;) {
    if (n & 1u) power *= factor;
    n >>= 1;
    if (n == 0) break;
    factor *= factor;  // only while higher bits remain
  }
  if (e < 0) power = 1 / power;
  asm volatile("" : "+m"(power) : : "memory");
  std::uint16_t status = 0;
  asm volatile("fnstsw %0" : "=am"(status) : : "memory");
  asm volatile("fnclex" : : : "memory");
  if (status & kNotExact) return false;
  result = power;
  return true;
}

// base^e for an integral e, |e| < 2^31, by squaring in pair precision, when
// no partial product can leave the range (relative error about e 2^-126).
bool PairPower(Extended base, Extended e, Extended& result) {
  const Extended n = std::fabs(e);
  const Extended scale = std::ilogb(base);  // 2^scale <= |base| < 2^(scale + 1)
  if (std::fabs(scale * n) > kSafeExponent || std::fabs((scale + 1) * n) > kSafeExponent) return false;
  auto k = static_cast<std::uint32_t>(n);
  TPair power = pair::Of(1);
  TPair factor = pair::Of(base);
  for (;;) {
    if (k & 1u) power = pair::Mul(power, factor);
    k >>= 1;
    if (k == 0) break;
    factor = pair::Mul(factor, factor);
  }
  if (e < 0) power = pair::Div(pair::Of(1), power);
  result = pair::Rounded(power);
  return true;
}

bool IsOdd(Extended integral) { return std::fabs(integral) < 0x1p64L && std::fmod(integral, 2.0L) != 0; }

// |base|^e as e^(e ln|base|), the product kept in pair precision.
Extended PowerOfMagnitude(Extended magnitude, Extended e) {
  const TPair lnBase = LnPair(magnitude);
  if (std::fabs(e) > kHugeExponent) {
    if (lnBase.hi == 0) return 1;
    if ((lnBase.hi > 0) == (e > 0)) throw EZQArithmeticError(strid::Overflow);
    return 0;
  }
  return checked::DoneInLibrary(ExpRounded(pair::Mul(lnBase, pair::Of(e))));
}
}  // namespace

Extended Power(Extended base, Extended e) {
  if (e == 0) return 1;
  if (base == 0) {
    if (e > 0) return 0;
    throw EZQArithmeticError(strid::ZeroDivide);
  }
  const bool integral = e == std::trunc(e);
  Extended exact = 0;
  if (integral && std::fabs(e) <= kMaxSquaringExponent &&
      (ExactPower(base, e, exact) || PairPower(base, e, exact)))
    return exact;
  if (!integral && base < 0) throw EZQArithmeticError(strid::InvalidOp);
  const Extended magnitude = PowerOfMagnitude(std::fabs(base), e);
  return base < 0 && IsOdd(e) ? -magnitude + 0.0L : magnitude;  // a vanished result is 0, not -0
}
