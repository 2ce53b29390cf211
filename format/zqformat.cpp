// TEMPORARY: replaced by the numeral formats.
#include "format/zqformat.h"
#include <cstdio>
std::string FormatValue(long double v, int, const TFormatSettings& s) { return FormatGeneral(v, s.NDigit, s.DecimalSeparator); }
std::string FormatGeneral(long double v, int, char) { char b[64]; std::snprintf(b, sizeof b, "%.18Lg", v); return b; }
