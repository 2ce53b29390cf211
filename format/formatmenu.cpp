// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/formatmenu.h"

#include "format/zqformat.h"

namespace {
constexpr const char* kTopCaptions[kFormatMenuTopCount] = {
    "Инженерный", "Научный", "Десятичный", "Шестнадцатеричный", "Восьмиричный", "Двоичный"};

constexpr const char* kScaleCaptions[kEngineeringScaleCount] = {
    "пета (10^15)",    "тера (10^12)",  "гига (10^9)",   "мега (10^6)",
    "кило (10^3)",     "         (10^0)", "милли (10^-3)", "микро (10^-6)",
    "нано (10^-9)",    "пико (10^-12)", "фемто (10^-15)"};
}  // namespace

const char* FormatMenuCaption(int topIndex) {
  return topIndex >= 0 && topIndex < kFormatMenuTopCount ? kTopCaptions[topIndex] : "";
}

const char* EngineeringScaleCaption(int scaleIndex) {
  return scaleIndex >= 0 && scaleIndex < kEngineeringScaleCount ? kScaleCaptions[scaleIndex] : "";
}

bool IsEngineeringCode(int code) { return code <= 0 && code > -kEngineeringScaleCount; }

int EngineeringExponent(int code) { return 15 + 3 * code; }

int CodeOfTopItem(int topIndex) { return topIndex; }

int CodeOfScaleItem(int scaleIndex) { return -scaleIndex; }

TFormatMenuMarks MarksForCode(int code) {
  TFormatMenuMarks marks;
  if (code > kEngineeringTopIndex && code < kFormatMenuTopCount) {
    marks.topIndex = code;
  } else if (IsEngineeringCode(code)) {
    marks.topIndex = kEngineeringTopIndex;
    marks.scaleIndex = -code;
  }
  return marks;
}

const char* FormatCaption(int code) {
  switch (code) {
    case 1: return "Sci";
    case 2: return "D";
    case 3: return "H";
    case 4: return "O";
    case 5: return "B";
    default: return "Fix";
  }
}
