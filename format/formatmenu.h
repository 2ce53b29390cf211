// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The format codes as the format buttons and the format menu show them:
// the menu's top level is "Инженерный" (opening the eleven engineering
// scales) followed by the five other formats, so a top-level item's index is
// its format code, and a scale's code is minus its index in the submenu.
// Plain data: the main window builds its menu from it.

inline constexpr int kFormatMenuTopCount = 6;
inline constexpr int kEngineeringTopIndex = 0;  // "Инженерный"
inline constexpr int kEngineeringScaleCount = 11;

// Codes of the three output fields when no settings say otherwise.
inline constexpr int kDefaultOutputCode1 = 1;  // "Sci"
inline constexpr int kDefaultOutputCode2 = 2;  // "D"
inline constexpr int kDefaultOutputCode3 = 4;  // "O"

// Caption of a top-level item (0..5), "" outside.
const char* FormatMenuCaption(int topIndex);

// Caption of an engineering scale (0..10, "пета (10^15)" .. "фемто (10^-15)"), "" outside.
const char* EngineeringScaleCaption(int scaleIndex);

// Codes 0..-10.
bool IsEngineeringCode(int code);
// The power of ten of an engineering code: 15 + 3 * code.
int EngineeringExponent(int code);

// The code an item stands for: a top-level item 1..5 its index, a scale
// minus its index. (The top-level "Инженерный" only opens its submenu.)
int CodeOfTopItem(int topIndex);
int CodeOfScaleItem(int scaleIndex);

// The marks the menu shows for a button's code: top-level index and scale
// index, -1 where nothing is marked. A code outside -10..5 marks nothing.
struct TFormatMenuMarks {
  int topIndex = -1;
  int scaleIndex = -1;
};
TFormatMenuMarks MarksForCode(int code);
