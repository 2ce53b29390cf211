// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The property of the decimal conversion: a text that reads as a decimal
// literal reads as the C library's correctly rounded conversion reads it in
// the "C" locale (a value beyond the range as the overflow fault).
#include <string_view>

void CheckDecimalLiteral(std::string_view text);
