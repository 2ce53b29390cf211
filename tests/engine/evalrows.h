// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Table rows for evaluation tests: an input and either the value it must
// give or the id of the message it must fail with.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "engine/zqparser.h"
#include "resources/stringtable.h"

struct TEvalRow {
  std::string input;
  Extended value = 0;
  int message = 0;  // 0: the evaluation succeeds with value
};

// An expected failure with message id.
inline TEvalRow Fails(std::string input, int message) { return {std::move(input), 0, message}; }

// Checks every row on parser (whose ErrorOn must be true). Values must be
// equal exactly unless relativeTolerance is given.
inline void ExpectRows(TZQParser& parser, std::initializer_list<TEvalRow> rows,
                       Extended relativeTolerance = 0) {
  for (const TEvalRow& row : rows) {
    SCOPED_TRACE("input: " + row.input);
    Extended value = -12345;
    std::string error = "unchanged";
    const bool ok = parser.Evaluate(row.input, value, error);
    if (row.message == 0) {
      EXPECT_TRUE(ok) << error;
      EXPECT_EQ(error, "");
      EXPECT_EQ(parser.LastMessage.Id, 0);
      if (relativeTolerance == 0)
        EXPECT_EQ(value, row.value);
      else
        EXPECT_LE(std::fabs(value - row.value), std::fabs(row.value) * relativeTolerance)
            << static_cast<double>(value);
    } else {
      EXPECT_FALSE(ok) << "value " << static_cast<double>(value);
      EXPECT_EQ(error, LoadStr(row.message));
      // The same message as data, for showing it in another language.
      EXPECT_EQ(parser.LastMessage.Id, row.message);
    }
  }
}

// A parser that reports its messages.
inline TZQParser ReportingParser() {
  TZQParser parser;
  parser.ErrorOn = true;
  return parser;
}
