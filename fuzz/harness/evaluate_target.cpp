// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluate and EvaluateToText on one expression under fuzzed settings and
// user lists. Besides not crashing or hanging, the two operations must agree,
// give an error text exactly when asked to, and leave the caller's
// floating-point state alone.
#include <cfenv>
#include <string>

#include "engine/zqparser.h"
#include "format/zqformat.h"
#include "fuzz/harness/fpstate.h"
#include "fuzz/harness/fuzzinput.h"
#include "fuzz/harness/fuzztargets.h"
#include "fuzz/harness/literalcheck.h"
#include "fuzz/harness/scratchfolder.h"
#include "storage/listrecords.h"

namespace {
// Settings byte: bit 0 Angle, bit 1 ErrorOn, bit 2 the "," ";" pair, bits 3
// and 4 both set: two raw separator bytes follow (the settings file may hold
// any characters), bits 5..7 the number of user lines.
void ReadSettings(TFuzzInput& in, TZQParser& parser, int& userLines) {
  const std::uint8_t flags = in.Byte();
  parser.Angle = flags & 1;
  parser.ErrorOn = flags & 2;
  if (flags & 4) {
    parser.DecimalSeparator = ',';
    parser.ArgumentSeparator = ';';
  }
  if ((flags & 0x18) == 0x18) {
    parser.DecimalSeparator = static_cast<char>(in.Byte());
    parser.ArgumentSeparator = static_cast<char>(in.Byte());
  }
  parser.NDigit = static_cast<std::int8_t>(in.Byte());
  userLines = flags >> 5;
}
}  // namespace

int FuzzEvaluate(const std::uint8_t* data, std::size_t size) {
  TFuzzInput in(data, size);
  TZQParser parser;
  int userLines = 0;
  ReadSettings(in, parser, userLines);
  // A user line "@HEAD=BODY" is a user function, handed over as the catalogue
  // hands over its records (so its name never holds "("); any other line is
  // a constant line NAME=VALUE as it stands.
  for (int i = 0; i < userLines; ++i) {
    const std::string_view line = in.Line();
    if (!line.empty() && line.front() == '@') {
      const std::string_view record = line.substr(1);
      const std::size_t eq = record.find('=');
      TUserFuncRecord function;
      function.Head = std::string(record.substr(0, eq));
      if (eq != std::string_view::npos) function.Expression = std::string(record.substr(eq + 1));
      parser.UserFunctions.Append(FuncLine(function));
    } else {
      parser.UserConstants.Append(std::string(line));
    }
  }
  const std::string_view expression = in.Rest();
  CheckDecimalLiteral(expression);

  std::feclearexcept(FE_ALL_EXCEPT);
  const TFpState before = TFpState::Now();
  Extended value = 0;
  std::string errorText;
  const bool ok = parser.Evaluate(expression, value, errorText);
  if (!TFpState::Now().SameControl(before)) FuzzFailure("Evaluate changed the floating-point control state");
  if (ok && !errorText.empty()) FuzzFailure("Evaluate succeeded with an error text");
  if (!ok && parser.ErrorOn == errorText.empty()) FuzzFailure("Evaluate error text does not follow ErrorOn");

  std::string text;
  const bool okText = parser.EvaluateToText(expression, text);
  if (!TFpState::Now().SameControl(before)) FuzzFailure("EvaluateToText changed the floating-point control state");
  if (okText != ok) FuzzFailure("Evaluate and EvaluateToText disagree on success");
  if (ok && text != FormatGeneral(value, parser.NDigit, parser.DecimalSeparator)) {
    FuzzFailure("EvaluateToText differs from the general text of Evaluate's value");
  }
  if (!ok && text != errorText) FuzzFailure("Evaluate and EvaluateToText give different error texts");
  return 0;
}
