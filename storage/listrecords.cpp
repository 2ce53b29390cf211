// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/listrecords.h"

std::string FunctionName(std::string_view head) {
  const std::size_t open = head.find('(');
  return open == std::string_view::npos ? std::string() : std::string(head.substr(0, open));
}

std::string FunctionParams(std::string_view head) {
  const std::size_t open = head.find('(');
  if (open == std::string_view::npos) return {};
  const std::size_t close = head.find(')', open + 1);
  if (close == std::string_view::npos) return {};
  return std::string(head.substr(open + 1, close - open - 1));
}

std::string ConstLine(const TUserConstRecord& r) { return r.Name + "=" + r.Value; }

std::string FuncLine(const TUserFuncRecord& r) {
  std::string params = FunctionParams(r.Head);
  for (char& c : params)
    if (c == ';') c = ',';
  return FunctionName(r.Head) + "=" + params + "|" + r.Expression;
}

std::optional<char> UnstorableListChar(std::string_view text) {
  const std::size_t at = text.find_first_of(std::string_view("|\r\n\0", 4));
  if (at == std::string_view::npos) return std::nullopt;
  return text[at];
}

std::string ConstFileValue(const TUserConstRecord& r) {
  return r.Expression + "|" + r.Value + "|" + r.Description;
}

std::string FuncFileValue(const TUserFuncRecord& r) { return r.Expression + "|" + r.Description; }
