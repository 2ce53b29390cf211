// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the settings file's texts become values.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Text values of the settings file are read into a buffer of 2048 characters.
inline constexpr std::size_t kMaxProfileText = 2047;

// The first kMaxProfileText characters (never cuts a UTF-8 sequence).
std::string CutProfileText(std::string_view text);

// Decimal with an optional sign; hexadecimal after "$" or, for a text longer
// than two characters, after "0x" / "0X" (a sign may stand before "$").
// Anything else, or a value beyond 32 bits, is not an integer.
std::optional<int> ProfileTextToInteger(std::string_view text);
