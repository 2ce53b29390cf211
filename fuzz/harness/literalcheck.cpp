// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/harness/literalcheck.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "engine/decimaltext.h"
#include "engine/evaluationfpscope.h"
#include "engine/zqerrors.h"
#include "fuzz/harness/scratchfolder.h"

void CheckDecimalLiteral(std::string_view text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  Extended value = 0;
  bool overflow = false;
  {
    TEvaluationFpScope fp;
    try {
      if (!ReadDecimalLiteral(text, '.', value)) return;
    } catch (const EZQArithmeticError& fault) {
      if (fault.Id() != strid::Overflow) FuzzFailure("a decimal literal raised a fault other than overflow");
      overflow = true;
    }
  }
  const std::string copy(text);
  const Extended expected = strtold_l(copy.c_str(), nullptr, cLocale);
  std::feclearexcept(FE_ALL_EXCEPT);
  if (overflow ? !std::isinf(expected) : !(value == expected)) {
    FuzzFailure("a decimal literal differs from its correctly rounded value");
  }
}
