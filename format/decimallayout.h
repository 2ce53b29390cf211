// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three decimal layouts, each from the shared digit string of a value's
// magnitude (already 18 digits, cut here to what the layout needs).
//   P: significant digits, 2..18.  D: decimals of the fixed-point text, 0..18.
#include <string>

#include "format/decimaldigits.h"
#include "format/textbuffer.h"

// Code 1: d.ddd...E+x with exactly P digits.
std::string ScientificText(bool negative, TDecimalDigits digits, int p, char separator);

// Code 2: fixed layout, or d.dddEx when X > P or X < -3.
std::string GeneralText(bool negative, TDecimalDigits digits, int p, char separator);

// The engineering formats' text, appended to text: exactly D decimals; when
// the integer part would need more than P digits the general exponent layout
// is used instead and the answer is true.
bool PutFixedPointText(TTextBuffer& text, bool negative, TDecimalDigits digits, int p, int d,
                       char separator);
