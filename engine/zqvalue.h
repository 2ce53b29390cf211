// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <limits>

// Every value of the calculator is an x87 80-bit extended-precision number.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Tamrix needs the x87 80-bit long double (64-bit significand)");
