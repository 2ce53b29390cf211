// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIN, COS, TAN and their inverses, to within one ulp of the exact result of
// the exact argument, in degrees or radians. Degrees are reduced exactly
// modulo 360 and folded into 0..45, so the angles whose sine, cosine or
// tangent is 0, 0.5 or 1 give exactly that, at any magnitude.
#include "engine/zqvalue.h"

// TAN throws EZQParserError(61156) where the cosine is exactly 0.
Extended Sine(Extended x, bool radians);
Extended Cosine(Extended x, bool radians);
Extended Tangent(Extended x, bool radians);

// |x| <= 1 is checked by the caller.
Extended ArcSine(Extended x, bool radians);
Extended ArcCosine(Extended x, bool radians);
Extended ArcTangent(Extended x, bool radians);
