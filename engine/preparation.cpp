#include "engine/preparation.h"

#include <cstdint>

#include "engine/charclass.h"
#include "engine/zqerrors.h"

void PrepareWorkingText(std::string_view input, bool commaDecimal, std::string& text) {
  text.clear();
  text.reserve(input.size() + 2);
  std::int64_t nesting = 0;
  for (const char raw : input) {
    if (raw == '(') ++nesting;
    else if (raw == ')') --nesting;
    if (static_cast<unsigned char>(raw) <= 32) continue;
    char c = charclass::UpperAscii(raw);
    if (commaDecimal) {
      if (c == ',') c = '.';
      else if (c == ';') c = ',';
    }
    if (text.empty() && (c == '+' || c == '-')) text.push_back('0');
    text.push_back(c);
  }
  if (nesting != 0) throw EZQParserError(strid::MissingBracket);
  text.push_back('\0');
}

void InsertZeroAfterOpenParen(std::string& text, std::string& scratch) {
  auto signFollows = [&](std::size_t i) {
    return i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-');
  };
  std::size_t first = 0;
  while (first < text.size() && !(text[first] == '(' && signFollows(first))) ++first;
  if (first == text.size()) return;  // the usual case: nothing to insert

  scratch.assign(text, 0, first);
  for (std::size_t i = first; i < text.size(); ++i) {
    scratch.push_back(text[i]);
    if (text[i] == '(' && signFollows(i)) scratch.push_back('0');
  }
  text.swap(scratch);
}
