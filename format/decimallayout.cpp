// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/decimallayout.h"

#include <algorithm>


namespace {
// A minus sign only for a negative value of which some digit survived.
void PutSign(TTextBuffer& text, bool negative, const TDecimalDigits& digits) {
  if (negative && digits.count > 0) text.Put('-');
}

// d[.ddd]E[-]x, the digits already cut.
void PutExponentLayout(TTextBuffer& text, const TDecimalDigits& digits, char separator) {
  text.Put(digits.digit[0]);
  if (digits.count > 1) {
    text.Put(separator);
    for (int i = 1; i < digits.count; ++i) text.Put(digits.digit[i]);
  }
  text.Put('E');
  text.PutInteger(digits.point - 1);
}

// The first X digits, padded with "0" when the digits run out ("0" if X <= 0).
void PutIntegerPart(TTextBuffer& text, const TDecimalDigits& digits) {
  if (digits.point <= 0) {
    text.Put('0');
    return;
  }
  for (int i = 0; i < digits.point; ++i) text.Put(i < digits.count ? digits.digit[i] : '0');
}
}  // namespace

std::string ScientificText(bool negative, TDecimalDigits digits, int p, char separator) {
  CutDigits(digits, p);
  TTextBuffer text;
  PutSign(text, negative, digits);
  text.Put(digits.count > 0 ? digits.digit[0] : '0');
  text.Put(separator);
  for (int i = 1; i < p; ++i) text.Put(i < digits.count ? digits.digit[i] : '0');
  text.Put('E');
  const int exponent = digits.count > 0 ? digits.point - 1 : 0;
  text.Put(exponent < 0 ? '-' : '+');
  text.PutUnsigned(static_cast<unsigned>(exponent < 0 ? -exponent : exponent));
  return text.Str();
}

std::string GeneralText(bool negative, TDecimalDigits digits, int p, char separator) {
  CutDigits(digits, p);
  TTextBuffer text;
  PutSign(text, negative, digits);
  if (digits.count > 0 && (digits.point > p || digits.point < -3)) {
    PutExponentLayout(text, digits, separator);
    return text.Str();
  }
  PutIntegerPart(text, digits);
  const int integerDigits = std::max(digits.point, 0);
  if (digits.count > integerDigits) {
    text.Put(separator);
    text.Repeat('0', -std::min(digits.point, 0));
    for (int i = integerDigits; i < digits.count; ++i) text.Put(digits.digit[i]);
  }
  return text.Str();
}

bool PutFixedPointText(TTextBuffer& text, bool negative, TDecimalDigits digits, int p, int d,
                       char separator) {
  // At most P significant digits and at most D after the point. A cut left
  // of the first digit (X + D < 0) leaves a zero: its first dropped digit is
  // a leading 0.
  const int keep = std::min(p, digits.point + d);
  if (keep < 0) {
    digits = TDecimalDigits{};
  } else {
    CutDigits(digits, keep);
  }
  PutSign(text, negative, digits);
  if (digits.count > 0 && digits.point > p) {
    PutExponentLayout(text, digits, separator);
    return true;
  }
  PutIntegerPart(text, digits);
  if (d > 0) {
    text.Put(separator);
    int written = 0;
    for (; written < -digits.point && written < d; ++written) text.Put('0');
    for (int i = std::max(digits.point, 0); i < digits.count && written < d; ++i, ++written)
      text.Put(digits.digit[i]);
    text.Repeat('0', d - written);
  }
  return false;
}
