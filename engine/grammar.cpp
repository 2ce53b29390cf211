// SPDX-License-Identifier: GPL-3.0-or-later
// The recursive-descent evaluator. It reads the working text from the scan
// position and computes while it reads; no tree is built.
//
//   expression = term { ("+" | "-") term ["%"] | ("|" | "\") term }
//   term       = factor { ("*" | "/") factor ["%"] | ("&" | "<<" | ">>") factor }
//   factor     = primary ["^" factor]
//   primary    = "(" expression ")" | number | user constant | built-in constant
//              | function "(" expression {"," expression} ")"
//
// "+" "-" "|" "\" bind loosest, then "*" "/" "&" "<<" ">>", then "^"; the
// first two levels associate to the left, "^" to the right.
#include <algorithm>

#include "engine/builtins.h"
#include "engine/checkedops.h"
#include "engine/functable.h"
#include "engine/integerview.h"
#include "engine/power.h"
#include "engine/zqerrors.h"
#include "engine/zqparser.h"

namespace {
// Nesting of parentheses, powers and function arguments beyond this fails
// with a message instead of exhausting the stack. Each level costs a few
// hundred bytes of stack (a few kilobytes under AddressSanitizer); real
// expressions stay far below.
constexpr int kMaxNestingDepth = 1000;

class TDepthGuard {
 public:
  explicit TDepthGuard(int& depth) : m_depth(depth) {
    if (m_depth >= kMaxNestingDepth) throw EZQParserError(strid::NestingTooDeep);
    ++m_depth;
  }
  ~TDepthGuard() { --m_depth; }
  TDepthGuard(const TDepthGuard&) = delete;
  TDepthGuard& operator=(const TDepthGuard&) = delete;

 private:
  int& m_depth;
};

Extended FromInteger(std::int64_t i) { return static_cast<Extended>(i); }
}  // namespace

// expression = term { ("+" | "-") term ["%"] | ("|" | "\") term }
Extended TZQParser::ParseExpression() {
  Extended value = ParseTerm();
  for (;;) {
    const char op = Ch(m_pos);
    if (op != '+' && op != '-' && op != '|' && op != '\\') break;
    ++m_pos;
    const Extended b = ParseTerm();
    const bool percent = (op == '+' || op == '-') && Ch(m_pos) == '%';
    if (percent) ++m_pos;
    switch (op) {
      case '+':  // a + b% is a increased by b per cent
        value = percent ? checked::Mul(value, checked::Add(checked::Div(b, 100), 1))
                        : checked::Add(value, b);
        break;
      case '-':
        value = percent ? checked::Mul(value, checked::Sub(1, checked::Div(b, 100)))
                        : checked::Sub(value, b);
        break;
      case '|':
        RequireIntegers(value, b);
        value = FromInteger(IntegerView(value) | IntegerView(b));
        break;
      default:  // '\\'
        RequireIntegers(value, b);
        value = FromInteger(IntegerView(value) ^ IntegerView(b));
        break;
    }
  }
  // The expression ends here: at the end mark, before a ")" that the caller
  // takes, or at a "," that ends a function argument and is consumed.
  const char end = Ch(m_pos);
  if (end == ',') ++m_pos;
  else if (end != '\0' && end != ')') throw EZQParserError(strid::SyntaxError);
  return value;
}

// term = factor { ("*" | "/") factor ["%"] | ("&" | "<<" | ">>") factor }
Extended TZQParser::ParseTerm() {
  Extended value = ParseFactor();
  for (;;) {
    const char op = Ch(m_pos);
    switch (op) {
      case '*': {
        ++m_pos;
        const Extended b = ParseFactor();
        if (Ch(m_pos) == '%') {
          ++m_pos;
          value = checked::Div(checked::Mul(value, b), 100);
        } else {
          value = checked::Mul(value, b);
        }
        break;
      }
      case '/':
        ++m_pos;
        // Whatever fails in the divisor or the division is a division by zero.
        value = Guarded(strid::DivisionByZero, [&] {
          const Extended b = ParseFactor();
          if (Ch(m_pos) != '%') return checked::Div(value, b);
          ++m_pos;
          return checked::Div(checked::Mul(value, 100), b);
        });
        break;
      case '&':
        ++m_pos;
        value = Guarded(strid::SyntaxError, [&] {
          const Extended b = ParseFactor();
          RequireIntegers(value, b);
          return FromInteger(IntegerView(value) & IntegerView(b));
        });
        break;
      case '<':
      case '>':
        ++m_pos;
        if (Ch(m_pos) != op) break;  // a single "<" or ">" is passed over
        ++m_pos;
        value = Guarded(strid::SyntaxError, [&] {
          const Extended b = ParseFactor();
          RequireIntegers(value, b);
          const std::int64_t bits = IntegerView(value);
          const std::int64_t count = IntegerView(b);
          return FromInteger(op == '<' ? ShiftLeft(bits, count) : ShiftRight(bits, count));
        });
        break;
      default:
        return value;
    }
  }
}

// factor = primary ["^" factor]
Extended TZQParser::ParseFactor() {
  const TDepthGuard depth(m_depth);
  Extended value = 0;
  if (Ch(m_pos) == '(') {
    ++m_pos;
    value = ParseExpression();
    if (Ch(m_pos) != ')') throw EZQParserError(strid::MissingBracket);
    ++m_pos;
  } else if (!ScanNumber(value) && !FindUserConstant(value) && !FindConstant(value)) {
    value = ParseFunctionCall();
  }
  if (Ch(m_pos) == '^') {
    ++m_pos;
    const Extended exponent = ParseFactor();
    value = Power(value, exponent);
  }
  return value;
}

// function "(" expression {"," expression} ")", as many as its ArgCount
Extended TZQParser::ParseFunctionCall() {
  int index = 0;
  if (!FindFunction(index)) throw EZQParserError(strid::SyntaxError);
  ++m_pos;  // the "(" after the name
  Extended args[2] = {0, 0};
  const int count = std::min<int>(FuncTable[static_cast<std::size_t>(index)].ArgCount, 2);
  for (int j = 0; j < count; ++j) args[j] = ParseExpression();
  // The arguments are read first, so a fault in one is reported as anywhere
  // else; only the computation itself is the function's fault.
  const Extended value =
      Guarded(strid::FloatOpError, [&] { return ComputeFunction(index, args, Angle); });
  if (Ch(m_pos) != ')') throw EZQParserError(strid::MissingBracket);
  ++m_pos;
  return value;
}
