// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/zqparser.h"

#include <exception>

#include "engine/charclass.h"
#include "engine/evaluationfpscope.h"
#include "engine/expansion.h"
#include "engine/functable.h"
#include "engine/preparation.h"
#include "engine/zqerrors.h"
#include "format/zqformat.h"

namespace {
// The message of whatever left an evaluation, as text and as data.
std::string MessageOf(std::exception_ptr failure, TZQMessage& message) {
  try {
    std::rethrow_exception(failure);
  } catch (const EZQParserError& e) {
    message = {e.Id(), {}};
    return e.what();
  } catch (const EZQArithmeticError& e) {
    message = {e.Id(), e.Arg()};
    return e.what();
  } catch (const std::exception& e) {
    message = {};
    return e.what();
  } catch (...) {
    message = {strid::SyntaxError, {}};
    return LoadStr(strid::SyntaxError);
  }
}
}  // namespace

Extended TZQParser::Run(std::string_view text, bool commaDecimal) {
  const TEvaluationFpScope arithmetic;
  PrepareWorkingText(text, commaDecimal, m_text);
  if (UserFunctions.Count() > 0) ExpandUserFunctions(m_text, UserFunctions);
  InsertZeroAfterOpenParen(m_text, m_scratch);
  m_pos = 0;
  m_depth = 0;
  // One expression makes the whole line. It stops early at a ")" or ","
  // that belongs to no group or argument list (a "," it consumes); whatever
  // is left then is an error, never a silently shorter expression.
  const Extended value = ParseExpression();
  if (Ch(m_pos) != '\0' || (m_pos > 0 && m_text[m_pos - 1] == ','))
    throw EZQParserError(strid::SyntaxError);
  return value;
}

Extended TZQParser::Calculate(std::string_view text) { return Run(text, false); }

bool TZQParser::Evaluate(std::string_view expression, Extended& value, std::string& errorText) {
  errorText.clear();
  LastMessage = {};
  try {
    value = Run(expression, DecimalSeparator == ',');
    return true;
  } catch (...) {
    if (ErrorOn) errorText = MessageOf(std::current_exception(), LastMessage);
    return false;
  }
}

bool TZQParser::EvaluateToText(std::string_view expression, std::string& text) {
  LastMessage = {};
  try {
    const Extended value = Run(expression, DecimalSeparator == ',');
    const TEvaluationFpScope arithmetic;  // the text must not depend on the caller's rounding
    text = FormatGeneral(value, NDigit, DecimalSeparator);
    return true;
  } catch (...) {
    text.clear();
    if (ErrorOn) text = MessageOf(std::current_exception(), LastMessage);
    return false;
  }
}

bool TZQParser::IsValidName(std::string_view name) {
  if (name.empty() || !charclass::IsNameStart(name[0])) return false;
  for (const char c : name.substr(1))
    if (!charclass::IsNameStart(c) && !charclass::IsDigit(c)) return false;
  return true;
}

bool TZQParser::IsNameFree(std::string_view name) const {
  if (UserConstants.IndexOfName(name) >= 0) return false;
  for (const TFunc& f : FuncTable)
    if (SameTextAscii(f.Name, name)) return false;
  if (SameTextAscii(name, "Pi") || SameTextAscii(name, "e")) return false;
  return UserFunctions.IndexOfName(name) < 0;
}
