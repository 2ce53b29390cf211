// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window's evaluation cycle without the window: one expression
// in, the texts of the three output fields out.
#include <array>
#include <string>
#include <string_view>

#include "engine/zqparser.h"

struct TOutputTexts {
  std::array<std::string, 3> Fields;
  bool Failed = false;  // the evaluation failed (an empty expression does not)
  // The message each field shows, as id and argument (Id 0: a numeral, or
  // nothing with ErrorOn clear).
  std::array<TZQMessage, 3> Messages;
};

// An empty expression gives three empty fields. A failed evaluation gives
// its error text in all three (empty texts when the parser's ErrorOn is off).
// Otherwise each field is the value formatted with its code (OutStr1..3),
// with the parser's NDigit, DecimalSeparator and ErrorOn. Never throws.
TOutputTexts EvaluateOutputs(TZQParser& parser, std::string_view expression, const std::array<int, 3>& codes);
