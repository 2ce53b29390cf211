// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "evalrows.h"

TEST(Separators, CommaDecimalTranslatesBothSeparators) {
  TZQParser parser = ReportingParser();
  parser.DecimalSeparator = ',';
  parser.ArgumentSeparator = ';';
  ExpectRows(parser, {
                         {"1,5+2,25", 3.75L},
                         Fails("1,5;2", strid::SyntaxError),  // ";" is now the argument separator
                         Fails("(1,5;2)", strid::MissingBracket),
                     });
}

TEST(Separators, PointDecimalLeavesTextAlone) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {Fails("1,5", strid::SyntaxError), Fails("1;5", strid::SyntaxError)});
}

TEST(EvaluateToText, WritesGeneralDecimalOrMessage) {
  TZQParser parser = ReportingParser();
  std::string text;
  EXPECT_TRUE(parser.EvaluateToText("1/4", text));
  EXPECT_EQ(text, "0.25");
  EXPECT_FALSE(parser.EvaluateToText("1/0", text));
  EXPECT_EQ(text, "Деление на нуль");
  // The message travels by its id too, with the argument it fills in.
  EXPECT_EQ(parser.LastMessage.Id, strid::DivisionByZero);
  parser.UserConstants.Append("BAD=abc");  // a stored value that no longer reads
  EXPECT_FALSE(parser.EvaluateToText("BAD", text));
  EXPECT_EQ(parser.LastMessage.Id, strid::InvalidFloat);
  EXPECT_EQ(parser.LastMessage.Arg, "abc");
  EXPECT_TRUE(parser.EvaluateToText("1", text));
  EXPECT_EQ(parser.LastMessage.Id, 0);
  parser.ErrorOn = false;
  text = "stale";
  EXPECT_FALSE(parser.EvaluateToText("1/0", text));
  EXPECT_EQ(text, "");
  EXPECT_EQ(parser.LastMessage.Id, 0);
}

TEST(EvaluateToText, UsesTheDecimalSeparatorAndNDigit) {
  TZQParser parser = ReportingParser();
  parser.DecimalSeparator = ',';
  parser.ArgumentSeparator = ';';
  std::string text;
  EXPECT_TRUE(parser.EvaluateToText("1/3", text));
  EXPECT_EQ(text, "0,333333333333333333");
  EXPECT_TRUE(parser.EvaluateToText("0,5*3", text));
  EXPECT_EQ(text, "1,5");
  parser.NDigit = 5;
  EXPECT_TRUE(parser.EvaluateToText("2/3", text));
  EXPECT_EQ(text, "0,66667");
}

TEST(Names, IsValidName) {
  const std::pair<const char*, bool> rows[] = {
      {"X1", true},  {"_a", true},  {"a", true},   {"ABC_def_9", true}, {"_", true},
      {"1X", false}, {"X-1", false}, {"", false},  {"A B", false},      {"пи", false},
      {"A.", false}, {"A=1", false},
  };
  for (const auto& [name, valid] : rows) EXPECT_EQ(TZQParser::IsValidName(name), valid) << name;
}

TEST(Names, IsNameFree) {
  TZQParser parser;
  parser.UserConstants.Append("Speed=3");
  parser.UserFunctions.Append("Hyp=A,B|SQRT(A^2+B^2)");
  const std::pair<const char*, bool> rows[] = {
      {"pi", false},    {"PI", false},  {"E", false},    {"e", false},     {"sqrt", false},
      {"SIN", false},   {"rol", false}, {"speed", false}, {"SPEED", false}, {"hyp", false},
      {"Hyp", false},   {"x", true},    {"Spee", true},  {"Speed2", true}, {"SQ", true},
      {"Pie", true},    {"EE", true},   {"HypA", true},  {"SINH", true},
  };
  for (const auto& [name, free] : rows) EXPECT_EQ(parser.IsNameFree(name), free) << name;
}

TEST(Parsers, TwoParsersAreIndependent) {
  TZQParser first = ReportingParser();
  TZQParser second;
  first.UserConstants.Append("K=2");
  first.DecimalSeparator = ',';
  first.ArgumentSeparator = ';';
  Extended value = 0;
  std::string error;
  EXPECT_TRUE(first.Evaluate("K*1,5", value, error));
  EXPECT_EQ(value, 3);
  EXPECT_FALSE(second.Evaluate("K*1,5", value, error));  // no K, "." decimal, no messages
  EXPECT_EQ(error, "");
  EXPECT_TRUE(second.Evaluate("1.5", value, error));
  EXPECT_EQ(value, 1.5L);
  EXPECT_FALSE(first.Evaluate("1/0", value, error));
  EXPECT_EQ(error, "Деление на нуль");
}
