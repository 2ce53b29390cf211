// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/listfiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "legacybuilder.h"
#include "storage/storageerror.h"
#include "filesizelimit.h"
#include "tempfolder.h"

void PrintTo(const TUserConstRecord& r, std::ostream* os) {
  *os << "{" << r.Name << "|" << r.Expression << "|" << r.Value << "|" << r.Description << "|" << r.Category << "}";
}
void PrintTo(const TUserFuncRecord& r, std::ostream* os) {
  *os << "{" << r.Head << "|" << r.Expression << "|" << r.Description << "|" << r.Category << "}";
}
template <class R>
void PrintTo(const TListGroup<R>& g, std::ostream* os) {
  *os << "[" << g.Name << "]";
  for (const auto& e : g.Entries) PrintTo(e, os);
}

namespace {

using TLines = std::vector<std::string>;
using TConstGroup = TListGroup<TUserConstRecord>;
using TFuncGroup = TListGroup<TUserFuncRecord>;

TEST(ListRecords, ParserLines) {
  EXPECT_EQ(ConstLine({"g", "9.81", "9.81", "gravity", "Physics"}), "g=9.81");
  struct TRow {
    std::string Head, Name, Params;
  };
  const TRow rows[] = {
      {"hyp(a,b)", "hyp", "a,b"}, {"f(a;b)", "f", "a;b"}, {"f()", "f", ""}, {"f", "", ""},
      {"f(a", "f", ""},           {"(a)", "", "a"},       {"f(a)(b)", "f", "a"}, {"", "", ""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(FunctionName(r.Head), r.Name) << r.Head;
    EXPECT_EQ(FunctionParams(r.Head), r.Params) << r.Head;
  }
  EXPECT_EQ(FuncLine({"hyp(a,b)", "sqrt(a*a+b*b)", "", "Geometry"}), "hyp=a,b|sqrt(a*a+b*b)");
  // Parameters written with ";" reach the parser split as it splits them.
  EXPECT_EQ(FuncLine({"hyp(a;b)", "sqrt(a*a+b*b)", "", "Geometry"}), "hyp=a,b|sqrt(a*a+b*b)");
  EXPECT_EQ(FuncLine({"f(a;b", "a;b", "", ""}), "f=|a;b");
}

TEST(ListRecords, CharactersAFieldCannotKeep) {
  struct TRow {
    std::string Text;
    std::optional<char> Unstorable;
  };
  const TRow rows[] = {
      {"", std::nullopt},
      {"два с половиной ; в запятых [x]=\"y\" \t", std::nullopt},
      {"два с половиной | в запятых", '|'},
      {"a\nb|c", '\n'},
      {"a\rb", '\r'},
      {std::string("a\0b", 3), '\0'},
  };
  for (const TRow& r : rows) EXPECT_EQ(UnstorableListChar(r.Text), r.Unstorable) << r.Text;
}

struct TConstLoadRow {
  std::string Bytes;
  std::vector<TConstGroup> Groups;
  TLines Lines;
  std::string What;
};

TEST(ListFiles, ReadingConstants) {
  const std::string phys = legacy::kPhysics;
  const TConstLoadRow rows[] = {
      {"[Physics]\r\ng=9.81|9.81|gravity\r\n", {{"Physics", {{"g", "9.81", "9.81", "gravity", "Physics"}}}},
       {"g=9.81"}, "one entry"},
      {"[" + phys + "]\r\ng=1|1|\xF3\xF1\xEA\xEE\xF0\xE5\xED\xE8\xE5\r\n",
       {{"Физика", {{"g", "1", "1", "ускорение", "Физика"}}}}, {"g=1"}, "Cyrillic"},
      {"[P]\r\nx=1|2|a|b\r\n", {{"P", {{"x", "1", "2", "a", "P"}}}}, {"x=2"}, "description with |"},
      // Only the value as a whole loses its blanks: the description keeps its leading ones.
      {"[P]\r\nx=1|2|  text  \r\n", {{"P", {{"x", "1", "2", "  text", "P"}}}}, {"x=2"}, "blanks around"},
      {"[P]\r\n  x  =  1|2|d  \r\n", {{"P", {{"x", "1", "2", "d", "P"}}}}, {"x=2"}, "blanks around key and value"},
      {"[P]\r\nx=1\r\n", {{"P", {{"x", "1", "", "", "P"}}}}, {"x="}, "fewer fields"},
      {"[P]\r\nx=\r\n", {{"P", {{"x", "", "", "", "P"}}}}, {"x="}, "empty value"},
      {"[P]\r\nx=a||c\r\n", {{"P", {{"x", "a", "", "c", "P"}}}}, {"x="}, "empty middle field"},
      {"[P]\r\n[Q]\r\n", {{"P", {}}, {"Q", {}}}, {}, "sections without keys"},
      {"x=1|1|\r\n", {}, {}, "before the first section"},
      {"[" + phys + "]\r\na=1|1|\r\n[\xD4\xC8\xC7\xC8\xCA\xC0]\r\nb=2|2|\r\n",
       {{"Физика", {{"a", "1", "1", "", "Физика"}, {"b", "2", "2", "", "Физика"}}}}, {"a=1", "b=2"},
       "categories differing in case merge"},
      {"[P]\r\nx=1|1|\r\nX=2|2|\r\n", {{"P", {{"x", "1", "1", "", "P"}, {"X", "1", "1", "", "P"}}}},
       {"x=1", "X=1"}, "a key twice: both read the first value"},
      {"[P]\r\nx=\"1|1|d\"\r\n", {{"P", {{"x", "1", "1", "d", "P"}}}}, {"x=1"}, "quotes"},
      {"", {}, {}, "empty file"},
  };
  TTempFolder dir;
  for (const auto& r : rows) {
    TConstPage page;
    TZQTextList lines;
    LoadConstFile(dir.Write("variables.lst", r.Bytes), page, lines);
    EXPECT_EQ(page.Groups, r.Groups) << r.What;
    TLines names;
    for (const auto& g : r.Groups) names.push_back(g.Name);
    EXPECT_EQ(page.Categories, names) << r.What;
    EXPECT_EQ(lines.Lines(), r.Lines) << r.What;
    EXPECT_EQ(dir.Read("variables.lst"), r.Bytes) << r.What;  // reading never writes
  }
}

TEST(ListFiles, ReadingFunctions) {
  TTempFolder dir;
  TFuncPage page;
  TZQTextList lines;
  lines.Append("old=x|x");
  LoadFuncFile(dir.Write("functions.lst", "[Geometry]\r\nhyp(a,b)=sqrt(a*a+b*b)|hypotenuse|extra\r\n"
                                          "sq(x)=x*x|\r\n[Other]\r\nbad=1|\r\n"),
               page, lines);
  const std::vector<TFuncGroup> expected = {
      {"Geometry", {{"hyp(a,b)", "sqrt(a*a+b*b)", "hypotenuse", "Geometry"}, {"sq(x)", "x*x", "", "Geometry"}}},
      {"Other", {{"bad", "1", "", "Other"}}}};
  EXPECT_EQ(page.Groups, expected);
  EXPECT_EQ(lines.Lines(), (TLines{"old=x|x", "hyp=a,b|sqrt(a*a+b*b)", "sq=x|x*x", "=|1"}));
}

TEST(ListFiles, MissingFileLeavesPageEmpty) {
  TTempFolder dir;
  TConstPage page;
  TZQTextList lines;
  LoadConstFile(dir.File("variables.lst"), page, lines);
  EXPECT_TRUE(page.Groups.empty());
  EXPECT_EQ(lines.Count(), 0);
  EXPECT_FALSE(dir.Exists("variables.lst"));
}

struct TConstSaveRow {
  std::vector<TConstGroup> Groups;
  std::string Bytes;
  std::string What;
};

TEST(ListFiles, SavingConstants) {
  const TConstSaveRow rows[] = {
      {{{"Physics", {{"g", "9.81", "9.81", "gravity", "Physics"}}}}, "[Physics]\r\ng=9.81|9.81|gravity\r\n",
       "one entry"},
      {{{"P", {{"", "1", "1", "", "P"}, {"x", "", "1", "", "P"}}}}, "", "no name or no expression: not written"},
      {{{"P", {}}}, "", "category without entries leaves no section"},
      {{{"Old", {{"x", "1", "1", "", "New"}}}}, "[New]\r\nx=1|1|\r\n", "section from the record's category"},
      {{{"Физика", {{"a", "1", "1", "", "Физика"}}}, {"ФИЗИКА", {{"b", "2", "2", "", "ФИЗИКА"}}}},
       "[\xD4\xE8\xE7\xE8\xEA\xE0]\r\na=1|1|\r\nb=2|2|\r\n", "categories differing in case share a section"},
      {{{"P", {{"x", "1", "1", "", "P"}, {"y", "2", "2", "", "P"}, {"X", "3", "3", "", "P"}}}},
       "[P]\r\nx=3|3|\r\ny=2|2|\r\n", "same key replaces in place"},
      {{{"A", {{"x", "1", "1", "", "A"}}}, {"B", {{"y", "2", "2", "", "B"}}}, {"C", {{"z", "3", "3", "", "A"}}}},
       "[A]\r\nx=1|1|\r\nz=3|3|\r\n[B]\r\ny=2|2|\r\n", "sections in order of first writing"},
      {{{"P", {{"x", "\"1", "1", "2\"", "P"}}}}, "[P]\r\nx=\"\"1|1|2\"\"\r\n", "value's own quotes kept"},
      {{{"P", {{"x", "1", "1", "a\r\nb", "P"}}}}, "[P]\r\nx=1|1|a  b\r\n", "line break cannot split an entry"},
      {{{"P", {{"x", " 1", "1", "note ", "P"}}}}, "[P]\r\nx=\" 1|1|note \"\r\n", "blanks at the value's ends kept in quotes"},
      {{{"P", {{"x", "1", "1", "a\r\n", "P"}}}}, "[P]\r\nx=\"1|1|a  \"\r\n", "line break at the end kept as blanks"},
      {{{"日本", {{"x", "1", "1", "", "日本"}}}}, "\xEF\xBB\xBF[日本]\r\nx=1|1|\r\n", "UTF-8 when needed"},
  };
  TTempFolder dir;
  for (const auto& r : rows) {
    TConstPage page;
    page.Groups = r.Groups;
    SaveConstFile(dir.File("variables.lst"), page);
    EXPECT_EQ(dir.Read("variables.lst"), r.Bytes) << r.What;
  }
}

TEST(ListFiles, SavingFunctions) {
  TTempFolder dir;
  TFuncPage page;
  page.Groups = {{"G", {{"hyp(a,b)", "sqrt(a*a+b*b)", "", "G"}, {"f(x)", "", "no body", "G"}}}};
  SaveFuncFile(dir.File("functions.lst"), page);
  EXPECT_EQ(dir.Read("functions.lst"), "[G]\r\nhyp(a,b)=sqrt(a*a+b*b)|\r\n");
}

TEST(ListFiles, FailedSaveKeepsOldFile) {
  TTempFolder dir;
  std::filesystem::create_directory(dir.File("variables.lst"));
  TConstPage page;
  page.Groups = {{"P", {{"x", "1", "1", "", "P"}}}};
  try {
    SaveConstFile(dir.File("variables.lst"), page);
    FAIL() << "the save should fail";
  } catch (const EStorageError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + dir.File("variables.lst"));
  }
  EXPECT_EQ(dir.FileCount(), 1u);
}

// The legacy file: one category with two constants.
const std::vector<TConstGroup> kPhysicsGroups = {
    {"Физика", {{"g", "9.81", "9.81", "gravity", "Физика"}, {"c", "3e8", "300000000", "", "Физика"}}}};
const std::string kPhysicsFile =
    "[\xD4\xE8\xE7\xE8\xEA\xE0]\r\ng=9.81|9.81|gravity\r\nc=3e8|300000000|\r\n";

TEST(ListFiles, LegacyFileIsConvertedOnce) {
  for (int version : {0, 1, 2}) {
    TTempFolder dir;
    TConstPage page;
    TZQTextList lines;
    LoadConstFile(dir.Write("variables.lst", legacy::PhysicsConstants(version)), page, lines);
    EXPECT_EQ(page.Groups, kPhysicsGroups) << version;
    EXPECT_EQ(page.Categories, TLines{"Физика"});
    EXPECT_EQ(lines.Lines(), (TLines{"g=9.81", "c=300000000"}));
    EXPECT_EQ(dir.Read("variables.lst"), kPhysicsFile) << version;
    EXPECT_EQ(dir.FileCount(), 1u);
    // From then on it is a profile file that reads the same.
    TConstPage again;
    TZQTextList againLines;
    LoadConstFile(dir.File("variables.lst"), again, againLines);
    EXPECT_EQ(again.Groups, kPhysicsGroups);
    EXPECT_EQ(againLines.Lines(), lines.Lines());
  }
}

TEST(ListFiles, LegacyFunctionsFile) {
  using namespace legacy;
  TTempFolder dir;
  const std::string bytes =
      Stream(2, {Row(2, {"G", "", "", ""}, {Row(2, {"hyp(a,b)", "sqrt(a*a+b*b)", "hypotenuse", "G"})})});
  TFuncPage page;
  TZQTextList lines;
  LoadFuncFile(dir.Write("functions.lst", bytes), page, lines);
  EXPECT_EQ(lines.Lines(), TLines{"hyp=a,b|sqrt(a*a+b*b)"});
  EXPECT_EQ(dir.Read("functions.lst"), "[G]\r\nhyp(a,b)=sqrt(a*a+b*b)|hypotenuse\r\n");
}

TEST(ListFiles, ReadOnlyModeDoesNotConvert) {
  TTempFolder dir;
  const std::string bytes = legacy::PhysicsConstants(1);
  TConstPage page;
  TZQTextList lines;
  LoadConstFile(dir.Write("variables.lst", bytes), page, lines, TListLoadMode::ReadOnly);
  EXPECT_EQ(page.Groups, kPhysicsGroups);
  EXPECT_EQ(dir.Read("variables.lst"), bytes);
}

TEST(ListFiles, CorruptLegacyFileKeepsRowsAndStaysUnchanged) {
  TTempFolder dir;
  std::string bytes = legacy::PhysicsConstants(1);
  bytes.resize(bytes.size() - 5);  // the category's own record is cut off
  TConstPage page;
  TZQTextList lines;
  LoadConstFile(dir.Write("variables.lst", bytes), page, lines);
  ASSERT_EQ(page.Groups.size(), 1u);
  EXPECT_EQ(page.Groups[0].Entries, kPhysicsGroups[0].Entries);  // the children were read
  EXPECT_EQ(lines.Lines(), (TLines{"g=9.81", "c=300000000"}));
  EXPECT_EQ(dir.Read("variables.lst"), bytes);
}

TEST(ListFiles, ConversionThatCannotWriteIsReportedAfterLoading) {
  TTempFolder dir;
  const std::string bytes = legacy::PhysicsConstants(1);
  dir.Write("variables.lst", bytes);
  TConstPage page;
  TZQTextList lines;
  {
    TFileSizeLimit limit(10);  // the new file cannot be written
    EXPECT_THROW(LoadConstFile(dir.File("variables.lst"), page, lines), EStorageError);
  }
  EXPECT_EQ(page.Groups, kPhysicsGroups);
  EXPECT_EQ(lines.Count(), 2);
  EXPECT_EQ(dir.Read("variables.lst"), bytes);
  EXPECT_EQ(dir.FileCount(), 1u);
}

}  // namespace
