// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 24 built-in functions: read by the parser to recognise names and count
// arguments, and by the catalogue window to list them.
#include <array>
#include <cstdint>

struct TFunc {
  const char* Name;         // upper case, as written in expressions
  std::uint8_t ArgCount;    // 1 or 2
  const char* Args;         // argument list as the catalogue shows it
  const char* Description;
  const char* Category;     // empty from FACT on
};

inline constexpr int kFuncCount = 24;
extern const std::array<TFunc, kFuncCount> FuncTable;
