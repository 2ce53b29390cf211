// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/trigonometry.h"

#include <cmath>

#include "engine/kernels.h"
#include "engine/quadmath113.h"
#include "engine/zqerrors.h"

using namespace pair;

namespace {

// sin or cos of an angle c of 0 to 45 degrees, with a sign.
struct TTerm {
  bool cosine;
  bool negative;
  Extended c;
};

// sin a and cos a for a in degrees, each as a term of 0..45 degrees.
struct TFolded {
  TTerm sin;
  TTerm cos;
};

TTerm SinTerm(Extended b, bool negative) {
  // b is 0 to 90: past 45, sin b = cos(90 - b), exactly reduced.
  return b > 45 ? TTerm{true, negative, 90 - b} : TTerm{false, negative, b};
}

TTerm CosTerm(Extended b, bool negative) {
  return b > 45 ? TTerm{false, negative, 90 - b} : TTerm{true, negative, b};
}

// Folds an angle of any magnitude: the remainder modulo 360 is exact, and
// so is each subtraction of a multiple of 90 below (their operands lie
// within a factor of two of each other).
TFolded Fold(Extended degrees) {
  const Extended magnitude = std::fabs(degrees);
  const Extended a = magnitude < 360 ? magnitude : std::fmod(magnitude, 360.0L);
  const int quadrant = a >= 270 ? 3 : a >= 180 ? 2 : a >= 90 ? 1 : 0;
  const Extended b = a - 90 * quadrant;
  switch (quadrant) {
    case 0: return {SinTerm(b, false), CosTerm(b, false)};
    case 1: return {CosTerm(b, false), SinTerm(b, true)};
    case 2: return {SinTerm(b, true), CosTerm(b, true)};
    default: return {CosTerm(b, true), SinTerm(b, false)};
  }
}

TPair Radians(Extended degrees) { return Mul(Of(degrees), RadiansPerDegree()); }

// The value of a term; 0, 1/2 and 1 come out exactly.
Extended Value(const TTerm& t) {
  Extended v = 0;
  if (t.c == 0) {
    v = t.cosine ? 1 : 0;
  } else if (t.c == 30 && !t.cosine) {
    v = 0.5L;
  } else {
    v = Rounded(t.cosine ? CosReduced(Radians(t.c)) : SinReduced(Radians(t.c)));
  }
  // An exact zero is shown as 0, never as -0.
  return (t.negative ? -v : v) + 0.0L;
}

bool IsZero(const TTerm& t) { return !t.cosine && t.c == 0; }

Extended FromQuad(__float128 q) { return static_cast<Extended>(q); }

// Newton's step from a library result y0 that is within a few ulps: the
// pair y0 + residual / slope.
TPair Refined(Extended y0, Extended residual, Extended slope) {
  return FastTwoSum(y0, residual / slope);
}

// sqrt(1 - x^2) for |x| < 1, the slope's size for the step of ARCSIN and
// ARCCOS (it needs no more than a few correct bits).
Extended Leg(Extended x) { return std::sqrt((1 - x) * (1 + x)); }

Extended AngleOfResult(TPair radiansValue, bool radians) {
  return Rounded(radians ? radiansValue : Mul(radiansValue, DegreesPerRadian()));
}

}  // namespace

Extended Sine(Extended x, bool radians) {
  if (radians) return FromQuad(sinq(static_cast<__float128>(x)));
  const Extended v = Value(Fold(x).sin);
  return x < 0 ? -v + 0.0L : v;
}

Extended Cosine(Extended x, bool radians) {
  if (radians) return FromQuad(cosq(static_cast<__float128>(x)));
  return Value(Fold(x).cos);
}

Extended Tangent(Extended x, bool radians) {
  if (radians) {
    __float128 s = 0;
    __float128 c = 0;
    sincosq(static_cast<__float128>(x), &s, &c);
    if (FromQuad(c) == 0) throw EZQParserError(strid::BadFunctionArg);
    return FromQuad(s / c);
  }
  const TFolded f = Fold(x);
  if (IsZero(f.cos)) throw EZQParserError(strid::BadFunctionArg);
  const bool negative = (f.sin.negative != f.cos.negative) != (x < 0);
  Extended magnitude = 0;
  if (IsZero(f.sin)) {
    magnitude = 0;
  } else if (f.sin.c == 45) {
    magnitude = 1;
  } else {
    // sin and cos are of the same angle c, one of them swapped in.
    const TSinCos sc = SinCosReduced(Radians(f.sin.c));
    magnitude = f.sin.cosine ? Rounded(Div(sc.cos, sc.sin)) : Rounded(Div(sc.sin, sc.cos));
  }
  return (negative ? -magnitude : magnitude) + 0.0L;
}

Extended ArcSine(Extended x, bool radians) {
  if (std::fabs(x) == 1) {
    const TPair right = HalfPi();
    return AngleOfResult(x < 0 ? Neg(right) : right, radians);
  }
  const Extended y = std::asin(x);
  return AngleOfResult(Refined(y, Sub(Of(x), SinNear(Of(y))).hi, Leg(x)), radians);
}

Extended ArcCosine(Extended x, bool radians) {
  if (x == 1) return 0;
  if (x == -1) {
    const TPair right = HalfPi();
    return AngleOfResult(Add(right, right), radians);
  }
  const Extended y = std::acos(x);
  return AngleOfResult(Refined(y, Sub(CosNear(Of(y)), Of(x)).hi, Leg(x)), radians);
}

Extended ArcTangent(Extended x, bool radians) {
  // Beyond 2^64 the result is pi/2 - 1/x to far more than the precision.
  if (std::fabs(x) > 0x1p64L) {
    const TPair right = HalfPi();
    const TPair r = Sub(x < 0 ? Neg(right) : right, Of(1 / x));
    return AngleOfResult(r, radians);
  }
  const Extended y = std::atan(x);
  const TSinCos sc = SinCosNear(Of(y));
  // tan(y + d) = x for d = (x cos y - sin y) cos y.
  const Extended residual = Sub(Mul(Of(x), sc.cos), sc.sin).hi * sc.cos.hi;
  return AngleOfResult(Refined(y, residual, 1), radians);
}
