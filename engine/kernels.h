// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exponential, logarithm, sine and cosine in pair precision (about 120 bits
// on the reduced ranges), for the built-in functions whose library versions
// miss the last bit.
#include "engine/extendedpair.h"

// e^x rounded once to an extended value. Throws EZQArithmeticError(overflow)
// when the result is beyond the range; a result below the smallest denormal
// is 0, quietly.
Extended ExpRounded(TPair x);

// ln x for a finite x > 0.
TPair LnPair(Extended x);

// log10(e) and 180/pi as pairs.
TPair Log10OfE();
TPair DegreesPerRadian();
TPair RadiansPerDegree();
TPair HalfPi();

struct TSinCos {
  TPair sin;
  TPair cos;
};

// Sine or cosine of t, |t| at most pi/4 (a little over is harmless).
TPair SinReduced(TPair t);
TPair CosReduced(TPair t);
TSinCos SinCosReduced(TPair t);

// Sine or cosine of y, |y| at most about 2 pi: reduced by a multiple of
// pi/2 that is exact in this range.
TPair SinNear(TPair y);
TPair CosNear(TPair y);
TSinCos SinCosNear(TPair y);
