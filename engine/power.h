// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The power operator "^".
#include "engine/zqvalue.h"

// base raised to e, to within one ulp of the exact power; exact wherever the
// exact power is representable. Faults are reported as they arise
// (EZQArithmeticError): a negative base with a non-integral exponent is
// invalid, 0 to a negative power divides by zero, results beyond the range
// overflow; results below the smallest denormal are quietly 0.
Extended Power(Extended base, Extended e);
