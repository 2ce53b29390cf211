// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fixed stack buffer for building a format's text without iostreams or
// repeated allocation. Every text of the formats is far below its size;
// anything beyond it is dropped rather than written past the end.
#include <cstddef>
#include <string>

class TTextBuffer {
 public:
  void Put(char c) {
    if (m_length < kSize) m_text[m_length++] = c;
  }
  void Put(const char* s) {
    while (*s) Put(*s++);
  }
  void Repeat(char c, int times) {
    for (int i = 0; i < times; ++i) Put(c);
  }
  // A non-negative integer in decimal without leading zeros.
  void PutUnsigned(unsigned long long n) {
    char reversed[24];
    int k = 0;
    do {
      reversed[k++] = static_cast<char>('0' + n % 10);
      n /= 10;
    } while (n);
    while (k) Put(reversed[--k]);
  }
  // A signed integer: "-" only when negative.
  void PutInteger(long long n) {
    if (n < 0) {
      Put('-');
      PutUnsigned(0ULL - static_cast<unsigned long long>(n));
    } else {
      PutUnsigned(static_cast<unsigned long long>(n));
    }
  }
  std::string Str() const { return std::string(m_text, m_length); }

 private:
  static constexpr std::size_t kSize = 128;
  char m_text[kSize];
  std::size_t m_length = 0;
};
