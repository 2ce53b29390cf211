// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/preparation.h"
#include "engine/zqerrors.h"
#include "evalrows.h"

using namespace std::string_literals;

TEST(Preparation, WorkingText) {
  struct Row {
    std::string input;
    bool commaDecimal;
    std::string expected;
  };
  const Row rows[] = {
      {"1 000", false, "1000\0"s},
      {" s in( 0 )\t\r\n", false, "SIN(0)\0"s},
      {"-5", false, "0-5\0"s},
      {"+4", false, "0+4\0"s},
      {"  -x", false, "0-X\0"s},
      {"2-3", false, "2-3\0"s},
      {"", false, "\0"s},
      {"\x01\x1f\x7f", false, "\x7f\0"s},            // 127 is kept
      {"a\0b"s, false, "AB\0"s},                      // a NUL is dropped like a blank
      {"пи", false, "пи\0"s},                         // only ASCII letters are upper-cased
      {"1,5+ROL(1;2)", true, "1.5+ROL(1,2)\0"s},
      {"1,5+ROL(1;2)", false, "1,5+ROL(1;2)\0"s},
      {")1(", false, ")1(\0"s},                        // only the counts are compared
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.input);
    std::string text = "left over";
    PrepareWorkingText(row.input, row.commaDecimal, text);
    EXPECT_EQ(text, row.expected);
  }
}

TEST(Preparation, UnequalParenthesisCountsAreRejected) {
  for (const std::string input : {"(1)+(2", "1)", "((", ")", "sin(1"}) {
    SCOPED_TRACE(input);
    std::string text;
    try {
      PrepareWorkingText(input, false, text);
      ADD_FAILURE() << "accepted";
    } catch (const EZQParserError& e) {
      EXPECT_EQ(e.Id(), strid::MissingBracket);
    }
  }
}

TEST(Preparation, ZeroBeforeSignAfterOpenParen) {
  const std::pair<std::string, std::string> rows[] = {
      {"2*(-3)\0"s, "2*(0-3)\0"s},
      {"(+4)\0"s, "(0+4)\0"s},
      {"((-1)-(+2))\0"s, "((0-1)-(0+2))\0"s},
      {"2-(3)\0"s, "2-(3)\0"s},
      {"(*-1)\0"s, "(*-1)\0"s},  // only a sign right after "("
      {"(-\0"s, "(0-\0"s},
  };
  std::string scratch;
  for (const auto& [input, expected] : rows) {
    std::string text = input;
    InsertZeroAfterOpenParen(text, scratch);
    EXPECT_EQ(text, expected) << input;
  }
}

TEST(Preparation, ThroughEvaluate) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"1 000", 1000},
                         {"1\n+\t2", 3},
                         {"-5", -5},
                         {"-2^2", -4},
                         {"(-2)^2", 4},
                         {"(+4)", 4},
                         {"2*(-3)", -6},
                         {"2*(-PI)", -2 * 3.14159265358979323851L},
                         Fails("2)+(3", strid::SyntaxError),  // balanced in number, yet ")" is stray
                         Fails("(1)+(2", strid::MissingBracket),
                         Fails("1)", strid::MissingBracket),
                         Fails(")1(", strid::SyntaxError),
                         Fails("", strid::SyntaxError),
                         Fails("   ", strid::SyntaxError),
                     });
}
