// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "evalrows.h"
#include "extendedbits.h"

namespace {
constexpr Extended kPi = 3.14159265358979323851L;
constexpr Extended kE = 2.71828182845904523536L;
}  // namespace

TEST(BuiltInConstants, PiAndE) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"PI", kPi},
                         {"pi", kPi},
                         {"Pi*2", kPi * 2},
                         {"E", kE},
                         {"e", kE},
                         {"E+1", kE + 1},
                         {"2E+1", 20},  // a literal, not 2*e+1
                         {"(E)", kE},
                         Fails("PI2", strid::SyntaxError),
                         Fails("EE", strid::SyntaxError),
                         Fails("P", strid::SyntaxError),
                         Fails("2*-PI", strid::SyntaxError),
                     });
}

TEST(BuiltInConstants, PiHasItsExactBits) {
  TZQParser parser;
  Extended value = 0;
  std::string error;
  ASSERT_TRUE(parser.Evaluate("PI", value, error));
  const TExtendedBits bits = BitsOf(value);
  EXPECT_EQ(bits.Significand, 0xC90FDAA22168C235ull);
  EXPECT_EQ(bits.SignExponent, 0x4000u);
}

TEST(UserConstants, Lookup) {
  TZQParser parser = ReportingParser();
  parser.UserConstants.Append("A=5");
  parser.UserConstants.Append("g=9.81");
  parser.UserConstants.Append("EX=3");
  parser.UserConstants.Append("CH=100");
  parser.UserConstants.Append("a=7");  // shadowed by the first A
  parser.UserConstants.Append("_k=2");
  ExpectRows(parser, {
                         {"A+1", 6},
                         {"a*2", 10},
                         {"G", 9.81L},
                         {"2*g", 2 * 9.81L},
                         {"EX", 3},  // a name beginning with "E" is not a literal
                         {"CH", 12},  // the hexadecimal literal wins
                         {"_K^3", 8},
                         {"(A)", 5},
                         Fails("A(1)", strid::SyntaxError),
                         Fails("AB", strid::SyntaxError),
                         Fails("A.", strid::SyntaxError),
                         Fails("XYZ", strid::SyntaxError),
                         Fails("1/XYZ", strid::SyntaxError),
                     });
}

TEST(UserConstants, LongerNameIsTakenWhenTheShorterDoesNotEnd) {
  TZQParser parser = ReportingParser();
  parser.UserConstants.Append("A=1");
  parser.UserConstants.Append("AB=10");
  ExpectRows(parser, {{"AB+1", 11}, {"A+AB", 11}});
}

TEST(UserConstants, ValueMustReadAsNumber) {
  TZQParser parser = ReportingParser();
  parser.UserConstants.Append("BAD=abc");
  parser.UserConstants.Append("SPACED= 2.5 ");
  parser.UserConstants.Append("HUGE=1E5000");
  ExpectRows(parser, {
                         {"SPACED*2", 5},
                         Fails("HUGE", strid::Overflow),
                         Fails("1/BAD", strid::DivisionByZero),  // a failed conversion in a divisor
                         Fails("1&BAD", strid::SyntaxError),
                     });
  struct Row {
    const char* input;
    const char* valueText;
  };
  for (const Row& row : {Row{"BAD", "abc"}, Row{"BAD+1", "abc"}}) {
    Extended value = 0;
    std::string error;
    EXPECT_FALSE(parser.Evaluate(row.input, value, error)) << row.input;
    EXPECT_EQ(error, "'" + std::string(row.valueText) + "' - неверное дробное значение");
    // The same as data: the message's id and the text that failed.
    EXPECT_EQ(parser.LastMessage.Id, strid::InvalidFloat);
    EXPECT_EQ(parser.LastMessage.Arg, row.valueText);
  }
}

// A value is stored as the program wrote it under the separator then in
// force; it keeps working under the other one.
TEST(UserConstants, ValueReadsUnderEitherSeparator) {
  for (const char separator : {'.', ','}) {
    TZQParser parser = ReportingParser();
    parser.DecimalSeparator = separator;
    parser.ArgumentSeparator = separator == ',' ? ';' : ',';
    parser.UserConstants.Append("DOT=6.283185307");
    parser.UserConstants.Append("COMMA=6,283185307");
    ExpectRows(parser, {{"DOT", 6.283185307L}, {"COMMA", 6.283185307L}, {"COMMA*2", 2 * 6.283185307L}});
  }
}

TEST(UserConstants, ValueWrittenWithCommaSeparator) {
  TZQParser parser = ReportingParser();
  parser.DecimalSeparator = ',';
  parser.ArgumentSeparator = ';';
  parser.UserConstants.Append("K=0,5");
  parser.UserConstants.Append("BAD=1,5x");
  ExpectRows(parser, {{"K*4", 2}, {"K+0,5", 1}});
  Extended value = 0;
  std::string error;
  EXPECT_FALSE(parser.Evaluate("BAD", value, error));
  EXPECT_EQ(error, "'1.5x' - неверное дробное значение");  // the translated text
}

TEST(UserConstants, ListChangesTakeEffectAtTheNextEvaluation) {
  TZQParser parser = ReportingParser();
  parser.UserConstants.Append("R=2");
  ExpectRows(parser, {{"R", 2}});
  parser.UserConstants.Replace(0, "R=3");
  ExpectRows(parser, {{"R", 3}});
  parser.UserConstants.Delete(0);
  ExpectRows(parser, {Fails("R", strid::SyntaxError)});
}
