// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/zqtextlist.h"

namespace {
char UpAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpAscii(a[i]) != UpAscii(b[i])) return false;
  return true;
}

std::string_view TZQTextList::Name(int i) const {
  std::string_view line = Line(i);
  return line.substr(0, line.find('='));
}

std::string_view TZQTextList::ValueAt(int i) const {
  std::string_view line = Line(i);
  const auto eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

int TZQTextList::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (SameTextAscii(Name(i), name)) return i;
  return -1;
}

std::string TZQTextList::Value(std::string_view name) const {
  const int i = IndexOfName(name);
  return i < 0 ? std::string{} : std::string(ValueAt(i));
}
