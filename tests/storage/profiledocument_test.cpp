// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/profiledocument.h"
#include "storage/cp1251.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct TFindRow {
  std::string Bytes;  // on disk
  std::string Section;
  std::string Key;
  std::optional<std::string> Expected;
};

TEST(ProfileDocument, ReadingRules) {
  const TFindRow rows[] = {
      {"[Main]\r\nLeft=10\r\n", "Main", "Left", "10"},
      {"[Main]\nLeft=10\n", "Main", "Left", "10"},            // LF only
      {"[Main]\rLeft=10\r", "Main", "Left", "10"},            // CR only
      {"[main]\r\nLEFT=10\r\n", "MAIN", "left", "10"},        // case ignored
      {"  [ Main ]  \r\n  Left  =  10  \r\n", "Main", "Left", "10"},
      {"[Main]\r\nName=\"MS Sans Serif\"\r\n", "Main", "Name", "MS Sans Serif"},
      {"[Main]\r\nName='x'\r\n", "Main", "Name", "x"},
      {"[Main]\r\nName=\"x'\r\n", "Main", "Name", "\"x'"},     // not a pair
      {"[Main]\r\nName=\"\"x\"\"\r\n", "Main", "Name", "\"x\""},  // one pair only
      {"[Main]\r\nName=\"\r\n", "Main", "Name", "\""},
      {"[Main]\r\nA=1\r\nA=2\r\n", "Main", "A", "1"},           // first wins
      {"[Main]\r\nA=1=2\r\n", "Main", "A", "1=2"},              // first "=" splits
      {"[Main]\r\nA=\r\n", "Main", "A", ""},
      {"[Main]\r\nA\r\n", "Main", "A", std::nullopt},           // no "="
      {"A=1\r\n[Main]\r\n", "Main", "A", std::nullopt},         // before the first section
      {"A=1\r\n[Main]\r\n", "", "A", std::nullopt},
      {"[Main]\r\nA=1\r\n[Other]\r\nB=2\r\n", "Main", "B", std::nullopt},
      {"[Main]\r\nA=1\r\n[Main]\r\nB=2\r\n", "Main", "B", std::nullopt},  // first section only
      {"[\xD4\xE8\xE7\xE8\xEA\xE0]\r\n\xE3=1\r\n", "ФИЗИКА", "Г", "1"},  // Cyrillic case
      {"[\xD4\xE8\xE7\xE8\xEA\xE0]\r\nx=\xE6\r\n", "Физика", "x", "ж"},  // Windows-1251
      {"\xEF\xBB\xBF[日本]\r\nx=語\r\n", "日本", "x", "語"},     // UTF-8 with mark
      {std::string("[Main]\r\nA=1\0\r\nB=2\r\n", 19), "Main", "B", "2"},  // NUL dropped
      {"[Main\r\nA=1\r\n", "Main", "A", std::nullopt},          // no "]": no section
      {"[a]b]\r\nA=1\r\n", "a]b", "A", "1"},                    // last "]" closes
      {"", "Main", "A", std::nullopt},
  };
  for (const auto& r : rows) {
    const auto doc = TProfileDocument::FromFileBytes(std::string_view(r.Bytes.data(), r.Bytes.size()));
    EXPECT_EQ(doc.Find(r.Section, r.Key), r.Expected) << r.Bytes;
  }
}

TEST(ProfileDocument, NulInTheMiddleIsDropped) {
  const std::string bytes("[Main]\r\nA=1\0 2\r\n", 16);
  EXPECT_EQ(TProfileDocument::FromFileBytes(bytes).Find("Main", "A"), "1 2");
}

struct TWriteRow {
  std::string Before;  // text with CR LF
  std::string Section, Key, Value;
  std::string After;
};

TEST(ProfileDocument, WritingRules) {
  const TWriteRow rows[] = {
      {"", "Main", "A", "1", "[Main]\r\nA=1\r\n"},
      {"[Main]\r\nA=1\r\nB=2\r\n", "main", "a", "9", "[Main]\r\na=9\r\nB=2\r\n"},  // in place
      {"[Main]\r\nA=1\r\n\r\n[Font]\r\nX=1\r\n", "Main", "B", "2",
       "[Main]\r\nA=1\r\nB=2\r\n\r\n[Font]\r\nX=1\r\n"},  // end of its section
      {"[Main]\r\nA=1\r\n", "Font", "Size", "10", "[Main]\r\nA=1\r\n[Font]\r\nSize=10\r\n"},
      {"[Main]\r\nA=1", "Font", "Size", "10", "[Main]\r\nA=1\r\n[Font]\r\nSize=10\r\n"},
      {"[Main]", "Main", "A", "1", "[Main]\r\nA=1"},
      {"; note\r\n[Main]\r\nA=1\r\n", "Main", "A", "2", "; note\r\n[Main]\r\nA=2\r\n"},
      {"[Main]\r\nA=1\r\nA=2\r\n", "Main", "A", "3", "[Main]\r\nA=3\r\nA=2\r\n"},
      {"[Main]\r\nA=1\r\n", "Main", "A", "x\r\ny", "[Main]\r\nA=x  y\r\n"},  // no line injection
      {"[Физика]\r\n", "физика", "g", "9.81", "[\xD4\xE8\xE7\xE8\xEA\xE0]\r\ng=9.81\r\n"},
      {"", "Main", "Expression", "日本", "\xEF\xBB\xBF[Main]\r\nExpression=日本\r\n"},
  };
  for (const auto& r : rows) {
    auto doc = TProfileDocument::FromFileBytes(EncodeFileText(r.Before));
    doc.WriteString(r.Section, r.Key, r.Value);
    EXPECT_EQ(doc.ToFileBytes(), r.After) << r.Before << " + " << r.Key;
  }
  // Removing a key (the rows' Value unused): every entry of it, in its own
  // section only.
  const TWriteRow removals[] = {
      {"[Main]\r\nA=1\r\nB=2\r\n", "main", "a", "", "[Main]\r\nB=2\r\n"},
      {"[Main]\r\nA=1\r\nA=2\r\n[Font]\r\nA=3\r\n", "Main", "A", "", "[Main]\r\n[Font]\r\nA=3\r\n"},
      {"[Main]\r\nB=2\r\nA=1", "Main", "A", "", "[Main]\r\nB=2\r\n"},
      {"[Font]\r\nA=1\r\n", "Main", "A", "", "[Font]\r\nA=1\r\n"},
      {"", "Main", "A", "", ""},
  };
  for (const auto& r : removals) {
    auto doc = TProfileDocument::FromFileBytes(EncodeFileText(r.Before));
    doc.DeleteKey(r.Section, r.Key);
    EXPECT_EQ(doc.ToFileBytes(), r.After) << r.Before << " - " << r.Key;
  }
}

TEST(ProfileDocument, ListsSectionsAndKeysInFileOrder) {
  const auto doc = TProfileDocument::FromFileBytes(
      "x=0\r\n[B]\r\nk2=1\r\nk1=2\r\nk2=3\r\nbad line\r\n[A]\r\nz=1\r\n[b]\r\nk9=1\r\n");
  EXPECT_EQ(doc.ReadSections(), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(doc.ReadKeys("b"), (std::vector<std::string>{"k2", "k1", "k2"}));
  EXPECT_TRUE(doc.ReadKeys("none").empty());
}

}  // namespace
