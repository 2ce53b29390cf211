// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "format/formatmenu.h"
#include "format/zqformat.h"

TEST(FormatMenu, CaptionsOfButtons) {
  const struct {
    int code;
    const char* caption;
  } rows[] = {{1, "Sci"}, {2, "D"},    {3, "H"},     {4, "O"},   {5, "B"},  {0, "Fix"},
              {-5, "Fix"}, {-10, "Fix"}, {-11, "Fix"}, {6, "Fix"}, {100, "Fix"}};
  for (const auto& row : rows) EXPECT_STREQ(FormatCaption(row.code), row.caption) << row.code;
}

TEST(FormatMenu, TopLevelItemIndexIsTheCode) {
  const char* expected[] = {"Инженерный", "Научный", "Десятичный", "Шестнадцатеричный",
                            "Восьмиричный", "Двоичный"};
  ASSERT_EQ(kFormatMenuTopCount, 6);
  for (int i = 0; i < kFormatMenuTopCount; ++i) EXPECT_STREQ(FormatMenuCaption(i), expected[i]);
  EXPECT_STREQ(FormatMenuCaption(-1), "");
  EXPECT_STREQ(FormatMenuCaption(6), "");
  for (int i = 1; i < kFormatMenuTopCount; ++i) {
    EXPECT_EQ(CodeOfTopItem(i), i);
    const TFormatMenuMarks marks = MarksForCode(i);
    EXPECT_EQ(marks.topIndex, i);
    EXPECT_EQ(marks.scaleIndex, -1);
  }
}

TEST(FormatMenu, EngineeringScales) {
  const struct {
    const char* caption;
    int code;
    int exponent;
  } rows[] = {{"пета (10^15)", 0, 15},    {"тера (10^12)", -1, 12},   {"гига (10^9)", -2, 9},
              {"мега (10^6)", -3, 6},     {"кило (10^3)", -4, 3},     {"         (10^0)", -5, 0},
              {"милли (10^-3)", -6, -3},  {"микро (10^-6)", -7, -6},  {"нано (10^-9)", -8, -9},
              {"пико (10^-12)", -9, -12}, {"фемто (10^-15)", -10, -15}};
  ASSERT_EQ(kEngineeringScaleCount, 11);
  for (int i = 0; i < kEngineeringScaleCount; ++i) {
    EXPECT_STREQ(EngineeringScaleCaption(i), rows[i].caption);
    EXPECT_EQ(CodeOfScaleItem(i), rows[i].code);
    EXPECT_EQ(EngineeringExponent(rows[i].code), rows[i].exponent);
    EXPECT_TRUE(IsEngineeringCode(rows[i].code));
    const TFormatMenuMarks marks = MarksForCode(rows[i].code);
    EXPECT_EQ(marks.topIndex, kEngineeringTopIndex) << i;
    EXPECT_EQ(marks.scaleIndex, i);
  }
  EXPECT_EQ(std::string(EngineeringScaleCaption(5)).find('('), 9u);  // nine spaces first
  EXPECT_STREQ(EngineeringScaleCaption(11), "");
  EXPECT_STREQ(EngineeringScaleCaption(-1), "");
}

TEST(FormatMenu, CodesOutsideTheMenuMarkNothing) {
  for (int code : {-11, 6, 100, -2147483647 - 1, 2147483647}) {
    const TFormatMenuMarks marks = MarksForCode(code);
    EXPECT_EQ(marks.topIndex, -1) << code;
    EXPECT_EQ(marks.scaleIndex, -1) << code;
    EXPECT_FALSE(IsEngineeringCode(code));
  }
}
