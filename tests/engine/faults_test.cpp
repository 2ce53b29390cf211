// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <fpu_control.h>

#include "evalrows.h"

TEST(Faults, WhereEachFaultEndsUp) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         Fails("1/0", strid::DivisionByZero),
                         Fails("0/0", strid::DivisionByZero),
                         Fails("1/(10^5000)", strid::DivisionByZero),  // a fault in the divisor
                         Fails("1E4000/1E-4000", strid::DivisionByZero),
                         Fails("1/XYZ", strid::SyntaxError),           // an engine message passes
                         Fails("1/(1,2)", strid::MissingBracket),
                         Fails("1E19&1", strid::SyntaxError),
                         Fails("1&(1/0)", strid::DivisionByZero),      // the inner region decides
                         Fails("1<<(10^5000)", strid::SyntaxError),
                         Fails("1E4000*1E4000", strid::Overflow),
                         Fails("1E4000+1E4932*10", strid::Overflow),
                         Fails("-1E4932*10-1", strid::Overflow),
                         Fails("1E4932*2+0", strid::Overflow),
                         Fails("1E4900+1E4900%", strid::Overflow),
                         Fails("1E4900*1E100%", strid::Overflow),
                         Fails("(10^5000)", strid::Overflow),
                     });
}

TEST(Faults, AFailedEvaluationLeavesNothingBehind) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {Fails("1/0", strid::DivisionByZero), {"1+1", 2},
                      Fails("((((1", strid::MissingBracket), {"2*3", 6},
                      Fails("1E4000*1E4000", strid::Overflow), {"0.5*4", 2},
                      Fails("(((((((((((((((((((((((((((1/0)))))))))))))))))))))))))))", strid::DivisionByZero),
                      {"7", 7}});
}

TEST(Faults, MessagesAreEmptyWhenErrorOnIsOff) {
  TZQParser parser;  // ErrorOn is false by default
  for (const char* input : {"1/0", "(", "2*", "1E5000", "1.5|1"}) {
    Extended value = 0;
    std::string error = "x";
    EXPECT_FALSE(parser.Evaluate(input, value, error)) << input;
    EXPECT_EQ(error, "") << input;
  }
}

TEST(Faults, CallersFloatingPointStateIsRestored) {
  TZQParser parser = ReportingParser();
  fpu_control_t callerControl = 0;
  _FPU_GETCW(callerControl);
  fpu_control_t doublePrecision = (callerControl & ~_FPU_EXTENDED) | _FPU_DOUBLE;
  for (const char* input : {"1/3", "1/0", "1E4000*1E4000", "(-8)^(1/3)", "0^-1", "2^0.5"}) {
    SCOPED_TRACE(input);
    std::fesetround(FE_UPWARD);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_INEXACT);
    _FPU_SETCW(doublePrecision);  // the caller computes in double precision
    std::fesetround(FE_UPWARD);
    fpu_control_t before = 0;
    _FPU_GETCW(before);

    Extended value = 0;
    std::string error;
    parser.Evaluate(input, value, error);

    fpu_control_t after = 0;
    _FPU_GETCW(after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_INEXACT);
  }
  _FPU_SETCW(callerControl);
  std::fesetround(FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(Faults, EvaluationUsesExtendedPrecisionAndNearestRounding) {
  TZQParser parser = ReportingParser();
  fpu_control_t callerControl = 0;
  _FPU_GETCW(callerControl);
  fpu_control_t singlePrecision = (callerControl & ~_FPU_EXTENDED) | _FPU_SINGLE;
  _FPU_SETCW(singlePrecision);
  std::fesetround(FE_DOWNWARD);
  Extended third = 0;
  Extended sum = 0;
  std::string error;
  const bool ok = parser.Evaluate("1/3", third, error) && parser.Evaluate("1+2^-63", sum, error);
  _FPU_SETCW(callerControl);
  std::fesetround(FE_TONEAREST);
  ASSERT_TRUE(ok) << error;
  EXPECT_EQ(third, 1.0L / 3);  // 64 bits, rounded to nearest
  EXPECT_EQ(sum, 1 + 0x1p-63L);
}

TEST(Faults, FlagsRaisedBeforeDoNotFailTheEvaluation) {
  TZQParser parser = ReportingParser();
  std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  Extended value = 0;
  std::string error;
  EXPECT_TRUE(parser.Evaluate("2+2", value, error)) << error;
  EXPECT_EQ(value, 4);
  EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW),
            FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  std::feclearexcept(FE_ALL_EXCEPT);
}
