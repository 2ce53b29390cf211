// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/zqtextlist.h"

TEST(TextList, LookupIgnoresAsciiCaseAndFirstMatchWins) {
  TZQTextList list;
  list.Append("g=9.81");
  list.Append("Hyp=a,b|sqrt(a*a+b*b)");
  list.Append("G=1");
  list.Append("noequals");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.IndexOfName("G"), 0);
  EXPECT_EQ(list.Value("g"), "9.81");
  EXPECT_EQ(list.Value("HYP"), "a,b|sqrt(a*a+b*b)");
  EXPECT_EQ(list.Name(3), "noequals");
  EXPECT_EQ(list.ValueAt(3), "");
  EXPECT_EQ(list.IndexOfName("missing"), -1);
  EXPECT_EQ(list.Value("missing"), "");
  list.Delete(0);
  EXPECT_EQ(list.Value("g"), "1");  // the shadowed line comes forward
  list.Replace(0, "x=2");
  EXPECT_EQ(list.Value("X"), "2");
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(TextList, CaseFoldingIsAsciiOnly) {
  EXPECT_TRUE(SameTextAscii("abc_1", "ABC_1"));
  EXPECT_FALSE(SameTextAscii("пи", "ПИ"));  // Cyrillic is compared exactly
  EXPECT_FALSE(SameTextAscii("ab", "abc"));
}
