// SPDX-License-Identifier: GPL-3.0-or-later
// Recognition of operands in the working text: number literals, user
// constants, the built-in constants and built-in function names.
#include <string>

#include "engine/builtins.h"
#include "engine/charclass.h"
#include "engine/decimaltext.h"
#include "engine/functable.h"
#include "engine/zqerrors.h"
#include "engine/zqparser.h"

using charclass::IsNameStart;
using charclass::IsOperandTerminator;

namespace {
enum class TSuffix { None, Binary, Octal, Hexadecimal };

bool IsNumberStart(char c, char decimalSeparator) {
  return c == '+' || c == '-' || charclass::IsHexDigit(c) || c == decimalSeparator;
}

// A character that can stand in some readable literal. Once any other one
// is taken in, the literal cannot convert, so the scan gives up at once
// instead of running on to the next terminator (which keeps deeply nested
// input linear).
bool CanBeInLiteral(char c, char decimalSeparator) {
  return charclass::IsHexDigit(c) || c == '.' || c == decimalSeparator || c == '+' || c == '-';
}

// Digits of the base only, accumulated in 64 bits; bits moved out at the top
// are lost, and the pattern is read as a signed integer.
bool ReadBasedLiteral(std::string_view literal, int base, Extended& value) {
  if (literal.empty()) return false;
  std::uint64_t bits = 0;
  for (const char c : literal) {
    const int d = charclass::DigitValue(c, base);
    if (d < 0) return false;
    bits = bits * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
  }
  value = static_cast<Extended>(static_cast<std::int64_t>(bits));
  return true;
}

int BaseOf(TSuffix suffix) {
  switch (suffix) {
    case TSuffix::Binary: return 2;
    case TSuffix::Octal: return 8;
    default: return 16;
  }
}

// Reads a stored constant's value. The program wrote it itself under the
// separator then in force, and it holds no other "," or ".", so either mark
// reads as the decimal point: a constant made under "," still works after a
// switch to "." and the other way round.
Extended ReadConstantValue(std::string_view valueText, char decimalSeparator) {
  Extended value = 0;
  if (ReadDecimalValue(valueText, ',', value)) return value;
  std::string translated(valueText);
  for (char& c : translated)
    if (c == decimalSeparator) c = '.';
  throw EZQArithmeticError(strid::InvalidFloat, FormatStr(strid::InvalidFloat, translated), translated);
}

// name equals the text from pos, ignoring ASCII case.
bool NameAt(std::string_view text, std::size_t pos, std::string_view name) {
  return text.size() - pos >= name.size() && SameTextAscii(text.substr(pos, name.size()), name);
}
}  // namespace

bool TZQParser::ScanNumber(Extended& value) {
  std::size_t i = m_pos;
  char c = Ch(i);
  if (!IsNumberStart(c, DecimalSeparator)) return false;
  const std::size_t begin = i;
  char previous = 0;
  if (c == '+' || c == '-') c = Ch(++i);

  TSuffix suffix = TSuffix::None;
  for (;;) {
    if (IsOperandTerminator(c) && previous != 'E') break;  // a sign after "E" belongs to it
    if ((c == 'B' || c == 'b') && IsOperandTerminator(Ch(i + 1))) {
      suffix = TSuffix::Binary;
      break;
    }
    if (c == 'H' || c == 'h') {
      suffix = TSuffix::Hexadecimal;
      break;
    }
    if (c == 'O' || c == 'o') {
      suffix = TSuffix::Octal;
      break;
    }
    if (c == 'E' && i == begin) break;  // "E" cannot begin a literal
    if (!CanBeInLiteral(c, DecimalSeparator)) return false;
    previous = c;
    c = Ch(++i);
  }

  const std::string_view literal = std::string_view(m_text).substr(begin, i - begin);
  Extended result = 0;
  if (suffix == TSuffix::None) {
    if (!ReadDecimalLiteral(literal, DecimalSeparator, result)) return false;
    m_pos = i;  // the terminator stays
  } else {
    if (!ReadBasedLiteral(literal, BaseOf(suffix), result)) return false;
    m_pos = i + 1;  // past the suffix letter
  }
  value = result;
  return true;
}

bool TZQParser::FindUserConstant(Extended& value) {
  if (!IsNameStart(Ch(m_pos))) return false;
  const std::string_view text(m_text);
  const char first = charclass::UpperAscii(Ch(m_pos));
  for (int i = 0; i < UserConstants.Count(); ++i) {
    // Most lines differ in the first letter; only the others need their name cut out.
    const std::string& line = UserConstants.Line(i);
    if (line.empty() || charclass::UpperAscii(line[0]) != first) continue;
    const std::string_view name = UserConstants.Name(i);
    if (!NameAt(text, m_pos, name) || !IsOperandTerminator(Ch(m_pos + name.size()))) continue;
    value = ReadConstantValue(UserConstants.ValueAt(i), DecimalSeparator);
    m_pos += name.size();
    return true;
  }
  return false;
}

bool TZQParser::FindConstant(Extended& value) {
  if (Ch(m_pos) == 'E' && IsOperandTerminator(Ch(m_pos + 1))) {
    value = EValue();
    m_pos += 1;
    return true;
  }
  if (Ch(m_pos) == 'P' && Ch(m_pos + 1) == 'I' && IsOperandTerminator(Ch(m_pos + 2))) {
    value = PiValue();
    m_pos += 2;
    return true;
  }
  return false;
}

bool TZQParser::FindFunction(int& index) {
  if (!IsNameStart(Ch(m_pos))) return false;
  const std::string_view text(m_text);
  for (int k = 0; k < kFuncCount; ++k) {
    const std::string_view name = FuncTable[static_cast<std::size_t>(k)].Name;
    if (NameAt(text, m_pos, name) && Ch(m_pos + name.size()) == '(') {
      index = k;
      m_pos += name.size();  // onto the "("
      return true;
    }
  }
  return false;
}
