// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/zqformat.h"

#include <algorithm>

#include "format/basetext.h"
#include "format/decimaldigits.h"
#include "format/decimallayout.h"
#include "format/floatbits.h"
#include "format/formatparams.h"
#include "format/nearestrounding.h"
#include "resources/stringtable.h"

namespace {
constexpr int kSci = 1, kDecimal = 2, kHex = 3, kOctal = 4, kBinary = 5;
constexpr int kFirstEngineering = -10, kLastEngineering = 0;

std::string DecimalText(long double value, int code, const TFormatParams& params) {
  const TFloatParts parts = DecomposeExtended(value);
  if (parts.kind == TFloatKind::Infinite || parts.kind == TFloatKind::NotANumber)
    return SpecialValueText(parts);
  const TDecimalDigits digits = DigitsOf(parts.mantissa, parts.exponent);
  if (code == kSci) return ScientificText(parts.negative, digits, params.p, params.separator);
  return GeneralText(parts.negative, digits, params.p, params.separator);
}

std::string Failure(const TFormatSettings& settings) {
  return settings.ErrorOn ? LoadStr(strid::InvalidOp) : std::string();
}
}  // namespace

TFormatParams ParamsOf(const TFormatSettings& settings) {
  TFormatParams params;
  params.p = std::clamp(settings.NDigit, 2, 18);
  params.d = std::clamp(settings.NDigit, 0, 18);
  params.separator = settings.DecimalSeparator;
  return params;
}

std::string SpecialValueText(const TFloatParts& parts) {
  if (parts.kind == TFloatKind::NotANumber) return "NAN";
  return parts.negative ? "-INF" : "INF";
}

bool FormatFails(long double value, int code) noexcept {
  if (code != kHex && code != kOctal && code != kBinary) return false;
  try {
    TNearestRounding nearest;
    std::string text;
    return !IntegerBaseText(value, code == kHex ? 16 : code == kOctal ? 8 : 2, text);
  } catch (...) {
    return false;  // only allocation can fail here, and then FormatValue gives "" too
  }
}

std::string FormatValue(long double value, int code, const TFormatSettings& settings) noexcept {
  try {
    TNearestRounding nearest;
    const TFormatParams params = ParamsOf(settings);
    if (code == kHex || code == kOctal || code == kBinary) {
      const int base = code == kHex ? 16 : code == kOctal ? 8 : 2;
      std::string text;
      if (!IntegerBaseText(value, base, text)) return Failure(settings);
      return text;
    }
    if (code >= kFirstEngineering && code <= kLastEngineering)
      return EngineeringText(value, 15 + 3 * code, params);
    return DecimalText(value, code == kSci ? kSci : kDecimal, params);
  } catch (...) {
    return std::string();  // only allocation can fail here
  }
}

std::string FormatGeneral(long double value, int nDigit, char decimalSeparator) noexcept {
  TFormatSettings settings;
  settings.NDigit = nDigit;
  settings.DecimalSeparator = decimalSeparator;
  return FormatValue(value, kDecimal, settings);
}
