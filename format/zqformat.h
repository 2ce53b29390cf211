#pragma once
// Value to text for every format code of the output fields.
//   1 "Sci" scientific, 2 "D" general decimal, 3 "H" hexadecimal,
//   4 "O" octal, 5 "B" binary, 0 .. -10 engineering scale 10^(15+3*code).
#include <cstdint>
#include <string>

// What the formats take from the parser's settings.
struct TFormatSettings {
  int NDigit = 18;             // significant digits (P) and fixed-point decimals (D)
  char DecimalSeparator = '.';
  bool ErrorOn = false;        // a failure gives its message (true) or "" (false)
};

// Never throws.
std::string FormatValue(long double value, int code, const TFormatSettings& settings);

// General decimal (code 2) with NDigit significant digits (2..18) and the
// given decimal mark; the text EvaluateToText returns.
std::string FormatGeneral(long double value, int nDigit, char decimalSeparator);
