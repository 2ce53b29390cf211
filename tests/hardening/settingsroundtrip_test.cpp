// SPDX-License-Identifier: GPL-3.0-or-later
// Text settings that the profile reading rules would change (blanks at the
// ends, enclosing quotes) come back exactly as they were written.
#include <gtest/gtest.h>

#include <string>

#include "storage/mainsettings.h"
#include "storage/profiledocument.h"

TEST(SettingsRoundTrip, TextsComeBackAsWritten) {
  const struct {
    std::string Value;
    std::string Line;  // the line written, without CR LF
  } rows[] = {
      {"1+2", "Expression=1+2"},
      {"\"5\"", "Expression=\"\"5\"\""},
      {"'x'", "Expression=\"'x'\""},
      {" 1+2", "Expression=\" 1+2\""},
      {"1+2\t", "Expression=\"1+2\t\""},
      {"\"", "Expression=\""},
      {"a\"", "Expression=a\""},
      {"", "Expression="},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Value);
    TProfileDocument doc;
    doc.WriteString("Main", "Expression", r.Value);
    EXPECT_EQ(doc.Text(), "[Main]\n" + r.Line + "\n");
    EXPECT_EQ(TProfileDocument::FromFileBytes(doc.ToFileBytes()).Find("Main", "Expression"), r.Value);
  }
}

TEST(SettingsRoundTrip, BlankSeparatorAndQuotedFontSurviveAClosing) {
  TMainSettings s;
  s.FontName = " Arial ";
  s.DecimalSeparator = ' ';
  s.Expression = "\"1\"";
  TProfileDocument doc;
  WriteMainSettings(doc, s);
  const TMainSettings back = ReadMainSettings(doc);
  EXPECT_EQ(back.FontName, " Arial ");
  EXPECT_EQ(back.DecimalSeparator, ' ');
  EXPECT_EQ(back.Expression, "\"1\"");
}
