// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Value to text for every format code of the output fields.
//   1 "Sci" scientific, 2 "D" general decimal, 3 "H" hexadecimal,
//   4 "O" octal, 5 "B" binary, 0 .. -10 engineering scale 10^(15+3*code).
// Any other code is written as general decimal.
#include <cstdint>
#include <string>

// What the formats take from the parser's settings.
struct TFormatSettings {
  int NDigit = 18;             // significant digits (P) and fixed-point decimals (D)
  char DecimalSeparator = '.';
  bool ErrorOn = false;        // a failure gives its message (true) or "" (false)
};

// The text of an output field. A value the hexadecimal, octal and binary
// formats cannot hold (outside the signed 64-bit range after rounding,
// infinite, not a number) gives the invalid-operation message when ErrorOn is
// set and "" otherwise. Never throws, for any bit pattern and any code.
std::string FormatValue(long double value, int code, const TFormatSettings& settings) noexcept;

// True when the text FormatValue gives for value and code is the failure
// (its message, or "" with ErrorOn clear) rather than a numeral.
bool FormatFails(long double value, int code) noexcept;

// General decimal (code 2) with NDigit significant digits (2..18) and the
// given decimal mark; the text EvaluateToText returns.
std::string FormatGeneral(long double value, int nDigit, char decimalSeparator) noexcept;

// The fixed-point text of value / 10^exponent followed by "E" and the
// exponent (nothing for 10^0); the plain fixed-point text of the value when
// the scaled one needs more than P integer digits. Exponents -18..18 (the
// scales use -15..15); any other gives the unscaled text.
std::string FormatEngineering(long double value, int exponent, const TFormatSettings& settings) noexcept;

// Digits of n in base 2, 8 or 16 (any other base is treated as 16): upper
// case, no leading zeros, "0" for 0.
std::string ToBaseText(std::uint32_t n, int base);

// The format button's caption: "Sci", "D", "H", "O", "B" for 1..5, "Fix"
// for every other code.
const char* FormatCaption(int code);
