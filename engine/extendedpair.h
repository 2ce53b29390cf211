// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Unevaluated sums of two extended values (hi + lo, |lo| at most half an
// ulp of hi): about 128 significant bits from the x87's own arithmetic. The
// functions that the C library cannot give to within one ulp are computed in
// this precision and rounded once at the end.
//
// Every step relies on rounding to nearest with the 64-bit significand and
// on each operation being done where it is written (the engine is built with
// -frounding-math -ffp-contract=off).
#include "engine/zqvalue.h"

struct TPair {
  Extended hi = 0;
  Extended lo = 0;
};

namespace pair {

// a + b exactly, when |a| >= |b| or a is 0.
inline TPair FastTwoSum(Extended a, Extended b) {
  const Extended s = a + b;
  return {s, b - (s - a)};
}

// a + b exactly, whatever the magnitudes.
inline TPair TwoSum(Extended a, Extended b) {
  const Extended s = a + b;
  const Extended bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// a as two halves of 32 significant bits each (|a| below 2^16000).
inline TPair Split(Extended a) {
  const Extended t = 4294967297.0L * a;  // 2^32 + 1
  const Extended hi = t - (t - a);
  return {hi, a - hi};
}

// a * b exactly (no overflow or underflow in the partial products).
inline TPair TwoProduct(Extended a, Extended b) {
  const Extended p = a * b;
  const TPair x = Split(a);
  const TPair y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

inline TPair Of(Extended a) { return {a, 0}; }

inline TPair Add(TPair x, TPair y) {
  const TPair s = TwoSum(x.hi, y.hi);
  return FastTwoSum(s.hi, s.lo + (x.lo + y.lo));
}

inline TPair Neg(TPair x) { return {-x.hi, -x.lo}; }
inline TPair Sub(TPair x, TPair y) { return Add(x, Neg(y)); }

inline TPair Mul(TPair x, TPair y) {
  const TPair p = TwoProduct(x.hi, y.hi);
  return FastTwoSum(p.hi, p.lo + (x.hi * y.lo + x.lo * y.hi));
}

inline TPair Div(TPair x, TPair y) {
  const Extended q = x.hi / y.hi;
  const TPair r = Sub(x, Mul(y, Of(q)));
  return FastTwoSum(q, r.hi / y.hi);
}

// The pair rounded once to an extended value.
inline Extended Rounded(TPair x) { return x.hi + x.lo; }

}  // namespace pair
