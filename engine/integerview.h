// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signed 64-bit integer view of values, used by "|", "\", "&", "<<", ">>".
#include <cstdint>

#include "engine/zqvalue.h"

// True when x has no fractional part. A magnitude of 2^63 or more cannot be
// truncated to 64 bits: that is an invalid operation (EZQArithmeticError).
bool IsInteger(Extended x);

// x rounded to the nearest signed 64-bit integer, ties to even. Exact for
// values that IsInteger accepted.
std::int64_t IntegerView(Extended x);

// Both operands must be integral; otherwise "Аргумент не целое число".
void RequireIntegers(Extended a, Extended b);

// Logical shifts of the 64-bit pattern of value. The count is taken modulo
// 256; 0..31 and 128..255 shift by count modulo 32, 32..63 by the count
// itself, 64..127 give 0.
std::int64_t ShiftLeft(std::int64_t value, std::int64_t count);
std::int64_t ShiftRight(std::int64_t value, std::int64_t count);
