// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/preparation.h"

#include <cstdint>

#include "engine/charclass.h"
#include "engine/zqerrors.h"

void PrepareWorkingText(std::string_view input, bool commaDecimal, std::string& text) {
  // Written through a pointer into a buffer of the largest size needed (a
  // leading "0", every character, the end mark), then cut to length.
  text.resize(input.size() + 2);
  char* out = text.data();
  char* const first = out;
  std::int64_t nesting = 0;
  for (const char raw : input) {
    if (static_cast<unsigned char>(raw) <= 32) continue;
    if (raw == '(') ++nesting;
    else if (raw == ')') --nesting;
    char c = charclass::UpperAscii(raw);
    if (commaDecimal) {
      if (c == ',') c = '.';
      else if (c == ';') c = ',';
    }
    if (out == first && (c == '+' || c == '-')) *out++ = '0';
    *out++ = c;
  }
  if (nesting != 0) throw EZQParserError(strid::MissingBracket);
  *out++ = '\0';
  text.resize(static_cast<std::size_t>(out - first));
}

void InsertZeroAfterOpenParen(std::string& text, std::string& scratch) {
  auto signAfterParen = [&](std::size_t i) {
    return text[i] == '(' && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-');
  };
  std::size_t first = text.find('(');
  while (first != std::string::npos && !signAfterParen(first)) first = text.find('(', first + 1);
  if (first == std::string::npos) return;  // the usual case: nothing to insert

  scratch.assign(text, 0, first);
  for (std::size_t i = first; i < text.size(); ++i) {
    scratch.push_back(text[i]);
    if (signAfterParen(i)) scratch.push_back('0');
  }
  text.swap(scratch);
}
