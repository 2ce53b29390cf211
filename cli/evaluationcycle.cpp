// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/evaluationcycle.h"

#include "format/zqformat.h"
#include "resources/stringtable.h"

TOutputTexts EvaluateOutputs(TZQParser& parser, std::string_view expression, const std::array<int, 3>& codes) {
  TOutputTexts out;
  if (expression.empty()) return out;
  try {
    Extended value = 0;
    std::string errorText;
    if (!parser.Evaluate(expression, value, errorText)) {
      out.Failed = true;
      // With error texts off the failure leaves the fields empty, as the
      // formats do for failures of their own.
      out.Fields.fill(errorText);
      if (!errorText.empty()) out.Messages.fill(parser.LastMessage);
      return out;
    }
    const TFormatSettings settings{parser.NDigit, parser.DecimalSeparator, parser.ErrorOn};
    for (std::size_t i = 0; i < codes.size(); ++i) {
      out.Fields[i] = FormatValue(value, codes[i], settings);
      if (!out.Fields[i].empty() && FormatFails(value, codes[i])) out.Messages[i] = {strid::InvalidOp, {}};
    }
  } catch (...) {
    // The window swallows any other failure; the fields not written stay empty.
  }
  return out;
}
