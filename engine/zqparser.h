// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TZQParser: turns one line of expression text into one extended-precision
// value or an error message. Pure logic: no window, file or clock.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/zqmessage.h"
#include "engine/zqtextlist.h"
#include "engine/zqvalue.h"

class TZQParser {
 public:
  // Settings, read and written directly by the main window and the dialogs.
  bool ErrorOn = false;           // a failed evaluation reports its message
  bool Angle = false;             // true: radians, false: degrees
  TZQTextList UserConstants;      // NAME=VALUE
  TZQTextList UserFunctions;      // NAME=PARAMS|BODY
  char ArgumentSeparator = ',';
  char DecimalSeparator = '.';
  std::int32_t NDigit = 18;
  // The message of the last failed evaluation (Evaluate or EvaluateToText),
  // as id and argument (Id 0 after a success, or when ErrorOn is false).
  TZQMessage LastMessage;

  // The evaluation of the main window's cycle. Returns true and the value on
  // success; on failure returns false, the value is undefined and errorText is
  // the message (empty when ErrorOn is false), which LastMessage gives as
  // data too. Never throws.
  bool Evaluate(std::string_view expression, Extended& value, std::string& errorText);

  // Evaluates and writes the value as general decimal text with NDigit digits
  // and DecimalSeparator. On failure returns false and text is the message
  // (empty when ErrorOn is false), which LastMessage gives as data too.
  // Never throws.
  bool EvaluateToText(std::string_view expression, std::string& text);

  // The common core, on text in the internal notation ("." decimal, ","
  // between arguments). Throws EZQParserError or EZQArithmeticError.
  Extended Calculate(std::string_view text);

  // A non-empty identifier: a letter or "_", then letters, digits or "_".
  static bool IsValidName(std::string_view name);
  // No user constant, built-in function, built-in constant or user function
  // has that name (ASCII case ignored).
  bool IsNameFree(std::string_view name) const;

 private:
  // Working text and scan position of the running evaluation (0-based here).
  std::string m_text;
  std::size_t m_pos = 0;
  int m_depth = 0;
  std::string m_scratch;  // second buffer of the preparation, reused

  // Calculate on the user's text; commaDecimal translates "," and ";" first.
  Extended Run(std::string_view text, bool commaDecimal);

  // The current character; beyond the end of the text, the end mark.
  char Ch(std::size_t i) const { return i < m_text.size() ? m_text[i] : '\0'; }

  // Lexical routines (scanner.cpp): each reads at the scan position, moves
  // past what it recognised and leaves the position unchanged otherwise.
  bool ScanNumber(Extended& value);
  bool FindUserConstant(Extended& value);
  bool FindConstant(Extended& value);
  bool FindFunction(int& index);

  // Grammar (grammar.cpp): one routine per precedence level.
  Extended ParseExpression();
  Extended ParseTerm();
  Extended ParseFactor();
  Extended ParseFunctionCall();
};
