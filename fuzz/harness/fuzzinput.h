// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Takes a fuzz input apart: single bytes for settings and counts, lines for
// list entries, the rest as one text. Reading past the end gives zeros and
// empty texts, so every byte string is a valid input.
#include <cstddef>
#include <cstdint>
#include <string_view>

class TFuzzInput {
 public:
  TFuzzInput(const std::uint8_t* data, std::size_t size)
      : m_rest(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte() {
    if (m_rest.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(m_rest.front());
    m_rest.remove_prefix(1);
    return b;
  }

  // The text up to the next "\n" (dropped), or all that is left.
  std::string_view Line() {
    const std::size_t end = m_rest.find('\n');
    const std::string_view line = m_rest.substr(0, end);
    m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
    return line;
  }

  std::string_view Rest() const { return m_rest; }

 private:
  std::string_view m_rest;
};
