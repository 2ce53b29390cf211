// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The power operator "^".
#include "engine/zqvalue.h"

// base raised to e. Integral exponents up to 2147483647 in magnitude use
// repeated squaring, all others exp(e * ln(base)). Faults are reported as
// they arise (EZQArithmeticError): a negative base with a non-integral
// exponent is invalid, 0 to a negative power divides by zero, results beyond
// the range overflow.
Extended Power(Extended base, Extended e);
