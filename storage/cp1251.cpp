// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cp1251.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char32_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t ByteToCodePoint(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kHighHalf[b - 0x80];
}

// The byte of a code point, or -1 when Windows-1251 has none.
int CodePointToByte(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  if (c >= 0x0410 && c <= 0x044F) return static_cast<int>(0xC0 + (c - 0x0410));
  for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
    if (kHighHalf[i] == c) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Returns false for a
// malformed, overlong or surrogate sequence (i then moves past one byte).
bool NextCodePoint(std::string_view text, std::size_t& i, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  int extra = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    c = b0;
    ++i;
    return true;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1, c = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2, c = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3, c = b0 & 0x07, min = 0x10000;
  } else {
    ++i;
    return false;
  }
  if (i + static_cast<std::size_t>(extra) >= text.size()) {
    ++i;
    return false;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    c = (c << 6) | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += static_cast<std::size_t>(extra) + 1;
  return true;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::size_t size = 0;
  for (char ch : bytes) {
    const char32_t c = ByteToCodePoint(static_cast<unsigned char>(ch));
    size += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
  }
  std::string out;
  out.reserve(size);
  for (char ch : bytes) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(ch)));
  return out;
}

bool Utf8ToCp1251(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  bool all = true;
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    int b = NextCodePoint(utf8, i, c) ? CodePointToByte(c) : -1;
    if (b < 0) {
      all = false;
      b = '?';
    }
    out += static_cast<char>(b);
  }
  return all;
}

std::string DecodeFileText(std::string_view bytes) {
  if (bytes.substr(0, kBom.size()) == kBom) return std::string(bytes.substr(kBom.size()));
  return Cp1251ToUtf8(bytes);
}

std::string EncodeFileText(std::string_view utf8) {
  std::string out;
  // A Windows-1251 text that happens to begin with the bytes of the mark
  // ("п»ї") would be taken for UTF-8 when read back: write it as UTF-8.
  if (Utf8ToCp1251(utf8, out) && out.substr(0, kBom.size()) != kBom) return out;
  std::string withBom(kBom);
  withBom += utf8;
  return withBom;
}
