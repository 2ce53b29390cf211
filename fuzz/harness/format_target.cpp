// SPDX-License-Identifier: GPL-3.0-or-later
// FormatValue over raw 80-bit patterns (unnormals, pseudo-denormals, NaNs
// and infinities included) with every code and both separators.
#include <cfenv>
#include <cstring>
#include <string>

#include "format/zqformat.h"
#include "fuzz/harness/fpstate.h"
#include "fuzz/harness/fuzzinput.h"
#include "fuzz/harness/fuzztargets.h"
#include "fuzz/harness/scratchfolder.h"

int FuzzFormatValue(const std::uint8_t* data, std::size_t size) {
  TFuzzInput in(data, size);
  unsigned char bytes[sizeof(long double)] = {};
  for (int i = 0; i < 10; ++i) bytes[i] = in.Byte();
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  TFormatSettings settings;
  settings.NDigit = in.Byte() % 23 - 2;  // -2..20
  const std::uint8_t flags = in.Byte();
  settings.ErrorOn = flags & 1;

  constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
  for (const char separator : {'.', ','}) {
    settings.DecimalSeparator = separator;
    for (int code = -12; code <= 7; ++code) {
      std::feclearexcept(FE_ALL_EXCEPT);
      const TFpState before = TFpState::Now();
      const std::string text = FormatValue(value, code, settings);
      const TFpState after = TFpState::Now();
      if (!after.SameControl(before)) FuzzFailure("FormatValue changed the floating-point control state");
      if (after.Flags & kFaults) FuzzFailure("FormatValue left a fault flag set");
      if (text.find('\0') != std::string::npos) FuzzFailure("FormatValue text holds a NUL");
      // The separator of the other setting never shows up as a decimal mark.
      if (code != 3 && code != 4 && code != 5 && text.find(separator == '.' ? ',' : '.') != std::string::npos &&
          !settings.ErrorOn) {
        FuzzFailure("FormatValue used the wrong decimal separator");
      }
    }
  }
  return 0;
}
