// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/expansion.h"
#include "engine/zqerrors.h"
#include "evalrows.h"

namespace {

// The working text as preparation leaves it: the end mark is its last character.
std::string Working(const std::string& text) { return text + '\0'; }

std::string Expanded(const std::vector<std::string>& lines, const std::string& text) {
  TZQTextList functions;
  for (const std::string& line : lines) functions.Append(line);
  std::string working = Working(text);
  ExpandUserFunctions(working, functions);
  return working;
}

TEST(ExtractField, Cases) {
  struct TRow {
    const char* Text;
    int N;
    char Separator;
    const char* Expected;
  };
  const std::vector<TRow> rows = {
      {"A,B", 1, ',', "B"},
      {"X|X*X", 1, '|', "X*X"},
      {"X|X*X", 0, '|', "X"},
      {"A||C", 1, '|', ""},
      {"A||C", 2, '|', "C"},
      {"A||C", 0, '|', "A"},
      {"9.81|9.81|gravity", 2, '|', "gravity"},
      {"ABC", 0, ',', "ABC"},
      {"A,B", -1, ',', ""},           // negative N
      {"A,B", -2147483647 - 1, ',', ""},
      {"", 0, ',', ""},               // empty text
      {",A", 0, ',', ""},             // leading separator
      {",A", 1, ',', "A"},
      {"A,B", 2, ',', ""},            // fewer separators
      {"A", 1, ',', ""},
      {"A,B,", 2, ',', ""},           // separator at the end
      {"A,,", 1, ',', ""},
      {"A,,", 2, ',', ""},
      {"|", 0, '|', ""},
      {"|", 1, '|', ""},
      {"a|b", 1, ',', ""},            // another separator is plain text
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(std::string(row.Text) + " #" + std::to_string(row.N));
    EXPECT_EQ(ExtractField(row.Text, row.N, row.Separator), row.Expected);
  }
}

// The expansion splits parameter lists in one go; that is only right if
// every field ExtractField gives is the piece between two separators.
TEST(ExtractField, EqualsThePiecesBetweenSeparators) {
  for (int length = 0; length <= 7; ++length) {
    for (int bits = 0; bits < (1 << length); ++bits) {
      std::string text;
      for (int i = 0; i < length; ++i) text += (bits >> i & 1) ? ',' : static_cast<char>('a' + i);
      std::vector<std::string> pieces;
      if (!text.empty()) {
        pieces.emplace_back();
        for (char c : text) {
          if (c == ',') pieces.emplace_back();
          else pieces.back() += c;
        }
      }
      for (int n = -1; n <= length + 1; ++n) {
        const bool exists = n >= 0 && n < static_cast<int>(pieces.size());
        const std::string expected = exists ? pieces[static_cast<std::size_t>(n)] : "";
        ASSERT_EQ(ExtractField(text, n, ','), expected) << text << " #" << n;
      }
    }
  }
}

const std::vector<std::string> kSqHyp = {"SQ=X|X*X", "HYP=A,B|SQRT(A^2+B^2)"};

struct TExpansionRow {
  std::vector<std::string> Lines;
  const char* Text;
  const char* Expected;
};

void CheckExpansions(const std::vector<TExpansionRow>& rows) {
  for (const TExpansionRow& row : rows) {
    SCOPED_TRACE(row.Text);
    EXPECT_EQ(Expanded(row.Lines, row.Text), Working(row.Expected));
  }
}

TEST(ExpandUserFunctions, CallsBecomeParenthesisedBodies) {
  CheckExpansions({
      {kSqHyp, "SQ(3)+1", "((3)*(3))+1"},
      {kSqHyp, "SQ(-3)", "((-3)*(-3))"},
      {kSqHyp, "HYP(3,4)", "(SQRT((3)^2+(4)^2))"},
      {kSqHyp, "2*SQ(1+1)", "2*((1+1)*(1+1))"},
      {kSqHyp, "sq(3)", "((3)*(3))"},                 // letter case ignored
      {{"sq=x|x*x"}, "SQ(3)", "((3)*(3))"},          // the definition is used in upper case
      {kSqHyp, "SQ(1,2)", "((1)*(1))"},               // extra argument dropped
      {kSqHyp, "HYP(3)", "(SQRT((3)^2+B^2))"},        // missing parameter stays
      {kSqHyp, "SQ()", "(()*())"},
      {kSqHyp, "HYP((1,2),3)", "(SQRT(((1,2))^2+(3)^2))"},  // "," inside a group
      {kSqHyp, "SQ(3)+SQ(4)", "((3)*(3))+((4)*(4))"},
  });
}

TEST(ExpandUserFunctions, NamesNotFollowedByAParenthesisStay) {
  CheckExpansions({
      {kSqHyp, "SQ", "SQ"},
      {kSqHyp, "SQ+1", "SQ+1"},
      {kSqHyp, "SQRT(4)", "SQRT(4)"},
      {kSqHyp, "1+2", "1+2"},
      {{}, "SQ(3)", "SQ(3)"},
  });
}

TEST(ExpandUserFunctions, OuterCallFirstThenWhatWasInserted) {
  CheckExpansions({
      {kSqHyp, "SQ(SQ(2))", "((((2)*(2)))*(((2)*(2))))"},
      {kSqHyp, "HYP(SQ(1),2)", "(SQRT((((1)*(1)))^2+(2)^2))"},
      {{"F=X|SQ(X)+1", "SQ=X|X*X"}, "F(2)", "((((2))*((2)))+1)"},
      // The inner function's line comes first in the list: order does not matter.
      {{"SQ=X|X*X", "F=X|SQ(X)+1"}, "F(2)", "((((2))*((2)))+1)"},
  });
}

TEST(ExpandUserFunctions, RecognisedInsideLongerNames) {
  CheckExpansions({
      {{"N=X|X+1"}, "SIGN(2)", "SIG((2)+1)"},
      {kSqHyp, "ASQ(2)", "A((2)*(2))"},
      {kSqHyp, "QSQ(2)", "Q((2)*(2))"},             // the run QSQ holds no name, SQ does
      {kSqHyp, "SQSQ(2)", "SQ((2)*(2))"},
      {{"F(=X|X"}, "F((1))", "((1)))"},              // a name holding "(" itself
      {{"F=X|AX+X"}, "F(2)", "(A(2)+(2))"},            // parameter at the end of a longer name
      {{"F=X|EXP(X)+X1"}, "F(5)", "(EXP((5))+X1)"},    // not before a non-terminator
      {{"F=X|X^X%X&X<X>X\\X|X/X-X"}, "F(1)", "((1)^(1)%(1)&(1)<(1)>(1)\\(1)|(1)/(1)-(1))"},
  });
}

TEST(ExpandUserFunctions, ListOrderAndDefinitions) {
  CheckExpansions({
      {{"SQ=X|X*X", "sq=X|X+X"}, "SQ(3)", "((3)*(3))"},  // first line of a name wins
      {{"F=X|1", "FF=X|2"}, "FF(0)", "(2)"},
      {{"BAD=X"}, "BAD(1)", "()"},                       // no "|": empty body
      {{"ONE=|1"}, "ONE()", "(1)"},                      // no parameters
      {{"=X|X"}, "X(1)", "X(1)"},                        // a line without a name
      {{"TWICE=X,X|X+X"}, "TWICE(1,2)", "((1)+(1))"},    // first binding of a name
      // A stored name holding "(" beside a name it begins with: the first
      // line that applies at the position wins.
      {{"F(=X|100", "F=X|200"}, "F((1))", "(100))"},
      {{"F=X|200", "F(=X|100"}, "F((1))", "(200)"},
      {{"F(=X|100", "F=X|200"}, "F(1)", "(200)"},
      {{"F=X|200", "F(=X|100"}, "F(1)", "(200)"},
      {{"F((=X|100", "F(=X|X"}, "F(((1)))", "(100)))"},
      {{"F(=X|X", "F((=X|100"}, "F(((1)))", "(((1))))"},
  });
}

// Two cases where replacing text step by step would give the wrong value:
// a body using the "|" operator, and an argument naming another parameter.
TEST(ExpandUserFunctions, BodiesAndArgumentsKeepTheirMeaning) {
  CheckExpansions({
      {{"OR1=X|X|1"}, "OR1(4)", "((4)|1)"},
      {{"DIFF=A,B|A-B"}, "DIFF(B,A)", "((B)-(A))"},
      {{"F=A,AB|AB+A"}, "F(1,2)", "((2)+(1))"},
  });
}

// A ")" before its "(" passes the bracket count; the call then takes the
// rest of the text, and the end mark still ends it.
TEST(ExpandUserFunctions, UnclosedCallKeepsTheEndMark) {
  EXPECT_EQ(Expanded(kSqHyp, ")SQ("), Working(")(X*X)"));
  EXPECT_EQ(Expanded(kSqHyp, ")SQ(1,2"), Working(")((1)*(1))"));
}

TEST(ExpandUserFunctions, TwentyCallsThreeLevelsDeep) {
  const std::vector<std::string> lines = {"A=X|B(X)+1", "B=X|C(X)*2", "C=X|X-3"};
  std::string text, expected;
  for (int i = 0; i < 20; ++i) {
    if (i) text += '+', expected += '+';
    text += "A(" + std::to_string(i) + ")";
    expected += "((((((" + std::to_string(i) + ")))-3)*2)+1)";
  }
  EXPECT_EQ(Expanded(lines, text), Working(expected));
}

// A self call that an outer function throws away ends normally: the bound
// is on the work done, not on the names in the bodies.
TEST(ExpandUserFunctions, DroppedSelfCallIsNoRecursion) {
  EXPECT_EQ(Expanded({"G=A,B|A", "F=X|G(1,F(X))"}, "F(2)"), Working("(((1)))"));
}

TEST(ExpandUserFunctions, LargeButFiniteExpansionSucceeds) {
  std::vector<std::string> lines;
  for (int i = 0; i < 10; ++i)
    lines.push_back("F" + std::to_string(i) + "=X|F" + std::to_string(i + 1) + "(X)+F" +
                    std::to_string(i + 1) + "(X)");
  lines.push_back("F10=X|X");
  const std::string result = Expanded(lines, "F0(7)");
  EXPECT_EQ(std::count(result.begin(), result.end(), '7'), 1024);
  EXPECT_EQ(result.find('F'), std::string::npos);
}

TEST(ExpandUserFunctions, RunawayExpansionFailsWithRecursionMessage) {
  std::vector<std::string> doubling;
  for (int i = 0; i < 40; ++i)
    doubling.push_back("F" + std::to_string(i) + "=X|F" + std::to_string(i + 1) + "(X)+F" +
                       std::to_string(i + 1) + "(X)");
  doubling.push_back("F40=X|X");
  struct TRow {
    const char* What;
    std::vector<std::string> Lines;
    std::string Text;
  };
  const std::vector<TRow> rows = {
      {"direct", {"F=X|F(X)"}, "F(1)"},
      {"direct without growth", {"F=|F()"}, "F()"},
      {"mutual", {"F=X|G(X)+1", "G=X|F(X)*2"}, "1+F(1)"},
      {"through three", {"F=X|G(X)", "G=X|H(X)", "H=X|F(X)"}, "H(0)"},
      {"self doubling", {"F=X|F(X)+F(X)"}, "F(1)"},
      {"doubling chain", doubling, "F0(1)"},
      {"inside an argument", {"F=X|F(F(X))"}, "SQRT(F(2))"},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.What);
    try {
      Expanded(row.Lines, row.Text);
      ADD_FAILURE() << "no error";
    } catch (const EZQParserError& e) {
      EXPECT_EQ(e.Id(), strid::RecursionTooDeep);
      EXPECT_STREQ(e.what(), "Слишком глубокая рекурсия пользовательских функций");
    }
  }
}

}  // namespace


namespace {

TZQParser ParserWithSqHyp() {
  TZQParser parser = ReportingParser();
  parser.UserFunctions.Append("SQ=X|X*X");
  parser.UserFunctions.Append("HYP=A,B|SQRT(A^2+B^2)");
  return parser;
}

TEST(UserFunctionsEvaluated, Values) {
  TZQParser parser = ParserWithSqHyp();
  ExpectRows(parser, {
      {"SQ(3)+1", 10},
      {"HYP(3,4)", 5},
      {"SQ(-3)", 9},
      {"SQ(SQ(2))", 16},
      {"2*SQ(1+1)", 8},
      {"sq(3)", 9},
      {"Sq (3)", 9},
      {"SQ(1,2)", 1},
      {"-SQ(2)", -4},
      Fails("HYP(3)", strid::SyntaxError),
      Fails("SQ", strid::SyntaxError),
      Fails("SQ(", strid::MissingBracket),
  });
}

TEST(UserFunctionsEvaluated, ConstantsFillTheGaps) {
  TZQParser parser = ParserWithSqHyp();
  parser.UserConstants.Append("B=4");
  parser.UserConstants.Append("SQ=7");
  ExpectRows(parser, {
      {"HYP(3)", 5},  // the missing parameter is read as the constant B
      {"SQ", 7},
      {"SQ(2)+SQ", 11},
  });
}

TEST(UserFunctionsEvaluated, SeparatorPairs) {
  TZQParser parser = ParserWithSqHyp();
  parser.DecimalSeparator = ',';
  parser.ArgumentSeparator = ';';
  parser.UserFunctions.Append("HALF=X|X*0,5");
  parser.UserFunctions.Append("HALF2=X|X*0.5");
  ExpectRows(parser, {
      {"HYP(3;4)", 5},
      {"SQ(1,5)", 2.25L},
      {"HALF2(4)", 2},
      Fails("HALF(4)", strid::MissingBracket),  // the body is used untranslated
  });
}

TEST(UserFunctionsEvaluated, MendedCases) {
  TZQParser parser = ReportingParser();
  parser.UserConstants.Append("A=1");
  parser.UserConstants.Append("B=2");
  parser.UserFunctions.Append("DIFF=A,B|A-B");
  parser.UserFunctions.Append("OR1=X|X|1");
  ExpectRows(parser, {
      {"DIFF(B,A)", 1},
      {"DIFF(A,B)", -1},
      {"OR1(4)", 5},
  });
}

TEST(UserFunctionsEvaluated, RecursionIsReported) {
  TZQParser parser = ReportingParser();
  parser.UserFunctions.Append("F=X|G(X)+1");
  parser.UserFunctions.Append("G=X|F(X)");
  ExpectRows(parser, {
      Fails("F(1)", strid::RecursionTooDeep),
      Fails("2*G(0)", strid::RecursionTooDeep),
  });
  // Nothing is left behind for the next evaluation.
  ExpectRows(parser, {{"1+1", 2}});
  // At most 10000 expansions, inserting at most 256 KiB: "(" body ")" counts.
  parser.UserFunctions.Append("ONE=X|X");
  parser.UserFunctions.Append("LONG=|" + std::string((1 << 18) - 3, '0') + "7");
  parser.UserFunctions.Append("LONGER=|" + std::string((1 << 18) - 2, '0') + "7");
  const auto calls = [](int n) {
    std::string text = "ONE(1)";
    for (int i = 1; i < n; ++i) text += "+ONE(1)";
    return text;
  };
  ExpectRows(parser, {
      {calls(10000), 10000},
      Fails(calls(10001), strid::RecursionTooDeep),
      {"LONG()", 7},
      Fails("LONGER()", strid::RecursionTooDeep),
  });
}

}  // namespace
