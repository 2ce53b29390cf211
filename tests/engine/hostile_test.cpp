// SPDX-License-Identifier: GPL-3.0-or-later
// Input that no user types on purpose: every byte string must give a value or
// a message, in time linear in its length.
#include <gtest/gtest.h>

#include <random>

#include "evalrows.h"

namespace {
std::string Repeat(const std::string& piece, std::size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}
}  // namespace

TEST(HostileInput, DeepNestingFailsWithAMessage) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         Fails(Repeat("(", 1 << 20), strid::MissingBracket),
                         Fails(Repeat("(", 100000) + "1" + Repeat(")", 100000), strid::NestingTooDeep),
                         Fails(Repeat("2^", 1 << 19), strid::NestingTooDeep),
                         Fails(Repeat("2^", 1 << 19) + "2", strid::NestingTooDeep),
                         Fails(Repeat("SIN(", 100000) + "1" + Repeat(")", 100000), strid::NestingTooDeep),
                         Fails(Repeat("ABS(", 250000) + "1" + Repeat(")", 250000), strid::NestingTooDeep),
                         Fails(Repeat("1/(", 100000) + "1" + Repeat(")", 100000), strid::NestingTooDeep),
                         Fails(Repeat("1&(", 100000) + "1" + Repeat(")", 100000), strid::NestingTooDeep),
                         Fails(Repeat("(-", 100000) + "1" + Repeat(")", 100000), strid::NestingTooDeep),
                     });
  Extended value = 0;
  std::string error;
  EXPECT_FALSE(parser.Evaluate(Repeat("(", 5000) + "1" + Repeat(")", 5000), value, error));
  EXPECT_EQ(error, "Слишком глубокая вложенность выражения");
}

TEST(HostileInput, NestingWorksUpToTheBound) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {Repeat("(", 300) + "1" + Repeat(")", 300), 1},
                         {Repeat("1/(", 300) + "1" + Repeat(")", 300), 1},
                         {Repeat("1^", 300) + "1", 1},
                         // 1000 levels of ParseFactor are the most allowed.
                         {Repeat("(", 999) + "1" + Repeat(")", 999), 1},
                         Fails(Repeat("(", 1000) + "1" + Repeat(")", 1000), strid::NestingTooDeep),
                         {Repeat("1^", 999) + "1", 1},
                         Fails(Repeat("1^", 1000) + "1", strid::NestingTooDeep),
                     });
}

TEST(HostileInput, LongFlatExpressions) {
  TZQParser parser = ReportingParser();
  ExpectRows(parser, {
                         {"0" + Repeat("+1", 200000), 200000},
                         {Repeat("1", 1 << 20) + "E-1048575", 1.11111111111111111111L},
                         {Repeat(" ", 1 << 20) + "7", 7},
                         Fails(Repeat("A", 1 << 20), strid::SyntaxError),
                         Fails(Repeat("F", 1 << 20) + "H(", strid::MissingBracket),
                         Fails(Repeat("ПИ", 1 << 19), strid::SyntaxError),
                     },
             1e-18L);
}

TEST(HostileInput, ControlBytesInvalidUtf8AndCyrillic) {
  TZQParser parser = ReportingParser();
  using namespace std::string_literals;
  ExpectRows(parser, {
                         {"1\0+\x01" "2\x1f"s, 3},
                         {"\t\r\n5", 5},
                         Fails("\xff\xfe", strid::SyntaxError),
                         Fails("1+\xc3", strid::SyntaxError),
                         Fails("2*\x80", strid::SyntaxError),
                         Fails("синус(1)", strid::SyntaxError),
                         Fails("1\x7f", strid::SyntaxError),
                         Fails("\x7f", strid::SyntaxError),
                     });
}

TEST(HostileInput, RandomBytesGiveAValueOrAMessage) {
  TZQParser parser = ReportingParser();
  parser.UserConstants.Append("A=1");
  parser.UserConstants.Append("BAD=x");
  std::mt19937 random(20261208);
  const std::string alphabet = "0123456789ABCDEFHOBabcdefhob.,;()+-*/%^&|\\<>EPISNQRT_ \x01\x80\xd0\xff";
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 24, ' ');
    for (char& c : text)
      c = (random() % 4 == 0) ? static_cast<char>(random() % 256)
                              : alphabet[random() % alphabet.size()];
    Extended value = 0;
    std::string error;
    const bool ok = parser.Evaluate(text, value, error);
    EXPECT_NE(ok, !error.empty()) << "input: " << text;
  }
}
