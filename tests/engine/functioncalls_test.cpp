// SPDX-License-Identifier: GPL-3.0-or-later
// How the grammar reads calls of built-in functions: name matching,
// arguments, brackets and where a fault inside a call is reported.
#include <gtest/gtest.h>

#include "evalrows.h"

TEST(FunctionCalls, NamesAndArguments) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"LOG2(8)", 3},
                         {"LG(100)", 2},
                         {"SQRT (4)", 2},   // blanks are gone before the name is matched
                         {"S IN(0)", 0},
                         {"sqrt(16)", 4},
                         {"SQR(3)", 9},     // "SQR" does not take "SQRT("
                         {"SQRT(SQR(3))", 3},
                         {"ROL(1,2)", 4},
                         {"2^(-SQRT(4))", 0.25L},
                         {"ABS(-2)^2", 4},  // the power applies to the call's value
                         {"-ABS(2)^2", -4},
                         Fails("SIN", strid::SyntaxError),
                         Fails("SIN 1", strid::SyntaxError),
                         Fails("SINX(1)", strid::SyntaxError),
                         Fails("2^-SQRT(4)", strid::SyntaxError),
                         Fails("SIN(1,2)", strid::MissingBracket),
                         Fails("ROL(1)", strid::SyntaxError),
                         Fails("ROL(1,2,3)", strid::MissingBracket),
                         Fails("SIN()", strid::SyntaxError),
                     });
}

TEST(FunctionCalls, FaultsInsideCalls) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         Fails("1/LN(0)", strid::LogBelowZero),      // passes the "/" region
                         Fails("1/EXP(100000)", strid::FloatOpError),  // made 61150 first
                         Fails("SIN(1/0)", strid::DivisionByZero),   // arguments are read first
                         Fails("SQRT(10^5000)", strid::Overflow),
                         Fails("SQRT(-1)", strid::RootBelowZero),
                     });
}

TEST(FunctionCalls, CommaDecimalSeparator) {
  TZQParser parser = ReportingParser();
  parser.DecimalSeparator = ',';
  parser.ArgumentSeparator = ';';
  ExpectRows(parser, {
                         {"1,5+ROL(1;2)", 5.5L},
                         {"ROL(1;2,0)", 4},
                         Fails("ROL(1,2)", strid::SyntaxError),  // "1.2" is one argument
                     });
}
