// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/entrynames.h"

#include <string>
#include <vector>

#include "engine/zqparser.h"
#include "engine/zqtextlist.h"

namespace {
std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}
}  // namespace

TNameFault CheckConstantName(std::string_view name, const TZQParser& parser, std::string_view oldName) {
  if (name.empty()) return TNameFault::NoName;
  if (!TZQParser::IsValidName(name)) return TNameFault::BadName;
  if (!parser.IsNameFree(name) && (oldName.empty() || !SameTextAscii(oldName, name))) return TNameFault::NameInUse;
  return TNameFault::None;
}

TNameFault CheckFunctionHead(std::string_view head, char argumentSeparator, const TZQParser& parser,
                             std::string_view oldName) {
  const std::size_t open = head.find('(');
  // Without "(" the whole text is meant as the name; it is checked as one
  // before the missing list is reported.
  const TNameFault name = CheckConstantName(head.substr(0, open), parser, oldName);
  if (name != TNameFault::None) return name;
  if (open == std::string_view::npos) return TNameFault::NotAHead;
  const std::size_t close = head.find(')', open + 1);
  if (close == std::string_view::npos || close + 1 != head.size()) return TNameFault::NotAHead;
  const std::string_view list = head.substr(open + 1, close - open - 1);
  if (list.empty()) return TNameFault::None;
  const std::vector<std::string_view> params = SplitAt(list, argumentSeparator);
  for (std::size_t i = 0; i < params.size(); ++i) {
    if (!TZQParser::IsValidName(params[i])) return TNameFault::BadName;
    for (std::size_t j = 0; j < i; ++j)
      if (SameTextAscii(params[j], params[i])) return TNameFault::NameInUse;
  }
  return TNameFault::None;
}
