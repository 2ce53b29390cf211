// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Character classes of the working text. Bytes of 128 and above (Cyrillic,
// UTF-8 sequences) belong to no class.
#include <array>
#include <cstdint>
#include <string_view>

namespace charclass {

enum : std::uint8_t {
  kTerminator = 1,  // may end an operand: the end mark and the operators
  kNameStart = 2,   // "A" to "Z", "a" to "z", "_"
  kDigit = 4,       // "0" to "9"
  kHexLetter = 8,   // "A" to "F", "a" to "f"
};

inline constexpr std::array<std::uint8_t, 256> kClasses = [] {
  std::array<std::uint8_t, 256> table{};
  for (const char c : std::string_view("%&)*+,-/<>\\^|")) table[static_cast<unsigned char>(c)] |= kTerminator;
  table[0] |= kTerminator;
  for (int c = 'A'; c <= 'Z'; ++c) table[c] |= kNameStart;
  for (int c = 'a'; c <= 'z'; ++c) table[c] |= kNameStart;
  table['_'] |= kNameStart;
  for (int c = '0'; c <= '9'; ++c) table[c] |= kDigit;
  for (int c = 'A'; c <= 'F'; ++c) table[c] |= kHexLetter;
  for (int c = 'a'; c <= 'f'; ++c) table[c] |= kHexLetter;
  return table;
}();

inline bool Is(char c, std::uint8_t classes) { return (kClasses[static_cast<unsigned char>(c)] & classes) != 0; }

inline bool IsOperandTerminator(char c) { return Is(c, kTerminator); }
inline bool IsNameStart(char c) { return Is(c, kNameStart); }
inline bool IsDigit(char c) { return Is(c, kDigit); }
inline bool IsHexDigit(char c) { return Is(c, kDigit | kHexLetter); }
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Value of c as a digit of base (2, 8, 10 or 16), or -1.
inline int DigitValue(char c, int base) {
  int d = -1;
  if (c >= '0' && c <= '9') d = c - '0';
  else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  return d < base ? d : -1;
}

}  // namespace charclass
