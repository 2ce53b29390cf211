// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading decimal number texts into extended values: every digit counts,
// and the result is the extended value nearest to the text's exact decimal
// value, ties to even. A value beyond the extended range raises the overflow
// fault (EZQArithmeticError 65507); a value too small for it reads as a
// denormal or zero.
#include <string_view>

#include "engine/zqvalue.h"

// A decimal literal of the working text: an optional sign; digits (none
// allowed); optionally a point and digits (none allowed); optionally "E" or
// "e", an optional sign and at least one digit; nothing else. The empty text
// and a sign alone do not read. The point is "." or alternatePoint.
bool ReadDecimalLiteral(std::string_view text, char alternatePoint, Extended& value);

// A stored number text: optional blanks, an optional sign, digits with an
// optional fraction after the point ("." or alternatePoint; at least one
// digit in all), an optional exponent, optional blanks.
bool ReadDecimalValue(std::string_view text, char alternatePoint, Extended& value);
