// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parameters the decimal formats derive from the parser's settings, and
// the pieces FormatValue and FormatEngineering share.
#include <string>

#include "format/floatbits.h"
#include "format/zqformat.h"

struct TFormatParams {
  int p = 18;  // significant digits: NDigit limited to 2..18
  int d = 18;  // fixed-point decimals: NDigit limited to at most 18 (and at least 0)
  char separator = '.';
};

TFormatParams ParamsOf(const TFormatSettings& settings);

// "INF", "-INF" or "NAN" for a value of that kind.
std::string SpecialValueText(const TFloatParts& parts);

// The engineering text, rounding to nearest already in force. Unknown powers
// (outside -18..18) give the unscaled fixed-point text.
std::string EngineeringText(long double value, int exponent, const TFormatParams& params);
