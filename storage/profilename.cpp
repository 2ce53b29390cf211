// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/profilename.h"

namespace {

char32_t LowerCyrillic(char32_t c) {
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ (Ё, Ђ, Є, Ї, Ў...)
  if (c == 0x0490) return 0x0491;                   // Ґ
  return c;
}

}  // namespace

std::string FoldProfileName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(name[i]);
    if (b0 >= 'A' && b0 <= 'Z') {
      out += static_cast<char>(b0 + ('a' - 'A'));
      continue;
    }
    // The letters to fold are all two-byte sequences D0 xx or D2 90.
    if ((b0 == 0xD0 || b0 == 0xD2) && i + 1 < name.size()) {
      const auto b1 = static_cast<unsigned char>(name[i + 1]);
      if ((b1 & 0xC0) == 0x80) {
        const char32_t c = LowerCyrillic((char32_t(b0 & 0x1F) << 6) | (b1 & 0x3F));
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
        ++i;
        continue;
      }
    }
    out += static_cast<char>(b0);
  }
  return out;
}

bool SameProfileName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;  // folding keeps every length
  return a == b || FoldProfileName(a) == FoldProfileName(b);
}
