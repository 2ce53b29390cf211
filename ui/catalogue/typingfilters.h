// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the entry editor's name and value fields let through, one typed
// character at a time. A refused character never reaches the field.
#include <optional>

class QKeyEvent;

inline constexpr char32_t kBackspace = 8;

// The character a key press types, as a classic edit field would receive it:
// Ctrl with a letter gives its control character (Ctrl+C is 3, Ctrl+V 22),
// Backspace gives 8. Keys that type nothing, or that the dialog itself acts
// on (Enter, Esc, Tab, Delete, arrows, F-keys), give nothing: they are never
// filtered.
std::optional<char32_t> TypedChar(const QKeyEvent& event);

// The name field: a letter, "_" or backspace always; a digit only when the
// field already holds text; in function mode also "(", ")", "," and ";"
// when the field holds text.
bool AcceptNameChar(char32_t c, bool constMode, bool fieldEmpty);

// The value field: in constant mode backspace, "(" to ";", letters, "^" and
// "_"; in function mode everything but "|".
bool AcceptValueChar(char32_t c, bool constMode);
