// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue's records of user constants and user functions, the page
// model that holds them, and the lines that hand them to the parser.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TUserConstRecord {
  std::string Name;
  std::string Expression;  // as typed, e.g. "2*Pi"
  std::string Value;       // the parser's text for Expression; what the parser uses
  std::string Description;
  std::string Category;
  bool operator==(const TUserConstRecord&) const = default;
};

struct TUserFuncRecord {
  std::string Head;        // "hyp(a,b)"
  std::string Expression;  // the body in terms of the parameters
  std::string Description;
  std::string Category;
  bool operator==(const TUserFuncRecord&) const = default;
};

// A category row of the catalogue's tree with its entry rows.
template <class Record>
struct TListGroup {
  std::string Name;
  std::vector<Record> Entries;
  bool operator==(const TListGroup&) const = default;
};

// One page of the catalogue: its tree in order (each category row, then its
// entry rows) and the category names the entry editor offers.
template <class Record>
struct TListPage {
  std::vector<TListGroup<Record>> Groups;
  std::vector<std::string> Categories;

  // Appends a category row and its name to Categories.
  TListGroup<Record>& AddGroup(std::string name) {
    Categories.push_back(name);
    Groups.push_back({std::move(name), {}});
    return Groups.back();
  }
  // The first group of exactly that name, or nullptr.
  TListGroup<Record>* FindGroup(std::string_view name) {
    for (auto& g : Groups) {
      if (g.Name == name) return &g;
    }
    return nullptr;
  }
};

using TConstPage = TListPage<TUserConstRecord>;
using TFuncPage = TListPage<TUserFuncRecord>;

// The text before the first "(" (empty without one).
std::string FunctionName(std::string_view head);
// The text between the first "(" and the first ")" after it (empty without either).
std::string FunctionParams(std::string_view head);

// "Name=Value" for the parser's UserConstants.
std::string ConstLine(const TUserConstRecord& r);
// "name=params|body" for the parser's UserFunctions. The parser splits the
// parameters at "," only, so a head written with ";" between them (as it is
// called where "," is the decimal separator) gets "," here; a parameter name
// holds neither.
std::string FuncLine(const TUserFuncRecord& r);

// The first character of text that a field of the list files cannot keep:
// "|", which separates a value's fields and is never escaped, and the line
// breaks and NUL that end a line (a save turns them into blanks). None when
// the text has none.
std::optional<char> UnstorableListChar(std::string_view text);

// The value texts of the list files: "Expression|Value|Description" and
// "Expression|Description".
std::string ConstFileValue(const TUserConstRecord& r);
std::string FuncFileValue(const TUserFuncRecord& r);
