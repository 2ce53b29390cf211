// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hexadecimal, octal and binary texts (codes 3, 4, 5). ToBaseText itself is
// declared in zqformat.h.
#include <cstdint>
#include <string>

#include "format/zqformat.h"

// The value rounded to the nearest integer, a tie to the even one, as a
// signed 64-bit integer; false outside that range or for infinity and NaN.
// Rounds with the rounding direction in force (the caller sets nearest).
bool RoundToInt64(long double value, std::int64_t& result);

// The low 32 bits of the rounded value in base 2, 8 or 16 with the suffix
// "b", "o" or "h"; false when RoundToInt64 fails.
bool IntegerBaseText(long double value, int base, std::string& text);
