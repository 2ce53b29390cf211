// SPDX-License-Identifier: GPL-3.0-or-later
#include <cfloat>

#include "format/decimaldigits.h"
#include "format/decimallayout.h"
#include "format/floatbits.h"
#include "format/formatparams.h"
#include "format/nearestrounding.h"
#include "format/textbuffer.h"
#include "format/zqformat.h"

namespace {
// 10^e as the nearest extended value (the compiler rounds each literal);
// the engineering scales need -15..15, the table covers a little more.
constexpr int kMinPower = -18;
constexpr long double kPowersOfTen[] = {
    1e-18L, 1e-17L, 1e-16L, 1e-15L, 1e-14L, 1e-13L, 1e-12L, 1e-11L, 1e-10L, 1e-9L,
    1e-8L,  1e-7L,  1e-6L,  1e-5L,  1e-4L,  1e-3L,  1e-2L,  1e-1L,  1e0L,   1e1L,
    1e2L,   1e3L,   1e4L,   1e5L,   1e6L,   1e7L,   1e8L,   1e9L,   1e10L,  1e11L,
    1e12L,  1e13L,  1e14L,  1e15L,  1e16L,  1e17L,  1e18L};
constexpr int kMaxPower = kMinPower + static_cast<int>(sizeof kPowersOfTen / sizeof *kPowersOfTen) - 1;
}  // namespace

std::string EngineeringText(long double value, int exponent, const TFormatParams& params) {
  const TFloatParts parts = DecomposeExtended(value);
  if (parts.kind == TFloatKind::Infinite || parts.kind == TFloatKind::NotANumber)
    return SpecialValueText(parts);
  if (exponent >= kMinPower && exponent <= kMaxPower) {
    const long double power = kPowersOfTen[exponent - kMinPower];
    const long double magnitude = CanonicalMagnitude(parts);
    // A quotient beyond the extended range would need far more than P
    // integer digits anyway; not dividing keeps the overflow flag clear.
    if (power >= 1.0L || magnitude <= LDBL_MAX * power * 0.5L) {
      const TFloatParts scaled = DecomposeExtended(magnitude / power);
      TTextBuffer text;
      if (!PutFixedPointText(text, parts.negative, DigitsOf(scaled.mantissa, scaled.exponent),
                             params.p, params.d, params.separator)) {
        if (exponent != 0) {
          text.Put('E');
          text.PutInteger(exponent);
        }
        return text.Str();
      }
    }
  }
  // The scaled value needs more than P integer digits: the unscaled text.
  TTextBuffer text;
  PutFixedPointText(text, parts.negative, DigitsOf(parts.mantissa, parts.exponent), params.p,
                    params.d, params.separator);
  return text.Str();
}

std::string FormatEngineering(long double value, int exponent, const TFormatSettings& settings) noexcept {
  try {
    TNearestRounding nearest;
    return EngineeringText(value, exponent, ParamsOf(settings));
  } catch (...) {
    return std::string();  // only allocation can fail here
  }
}
