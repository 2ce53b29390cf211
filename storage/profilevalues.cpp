// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/profilevalues.h"

#include <cstdint>

std::string CutProfileText(std::string_view text) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Count only lead bytes, so a multi-byte character is kept whole.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == kMaxProfileText) {
      return std::string(text.substr(0, i));
    }
  }
  return std::string(text);
}

std::optional<int> ProfileTextToInteger(std::string_view text) {
  std::string t(text);
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) t = "$" + t.substr(2);
  std::size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  const bool hex = i < t.size() && t[i] == '$';
  if (hex) ++i;
  if (i == t.size()) return std::nullopt;
  std::uint64_t v = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return std::nullopt;
    v = v * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (v > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) {
    // A hexadecimal text gives the 32-bit pattern: $FFFFFFFF is -1.
    const auto bits = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v));
    return static_cast<int>(static_cast<std::int32_t>(bits));
  }
  if (negative ? v > 0x80000000ull : v > 0x7FFFFFFFull) return std::nullopt;
  return static_cast<int>(negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v));
}
