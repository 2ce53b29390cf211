// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An ordered list of NAME=VALUE text lines with lookup by name. Names are
// compared without regard to ASCII letter case; the first match wins, so a
// later line of the same name is shadowed. Holds the parser's user constants
// and user functions.
#include <string>
#include <string_view>
#include <vector>

class TZQTextList {
 public:
  int Count() const { return static_cast<int>(m_lines.size()); }
  const std::string& Line(int i) const { return m_lines[static_cast<size_t>(i)]; }
  // Text before the first "=" of line i (the whole line when it has none).
  std::string_view Name(int i) const;
  // Text after the first "=" of line i (empty when it has none).
  std::string_view ValueAt(int i) const;
  // Index of the first line named name, or -1.
  int IndexOfName(std::string_view name) const;
  // Value of the first line named name; empty when there is none.
  std::string Value(std::string_view name) const;

  void Append(std::string line) { m_lines.push_back(std::move(line)); }
  void Replace(int i, std::string line) { m_lines[static_cast<size_t>(i)] = std::move(line); }
  void Delete(int i) { m_lines.erase(m_lines.begin() + i); }
  void Clear() { m_lines.clear(); }

  const std::vector<std::string>& Lines() const { return m_lines; }

 private:
  std::vector<std::string> m_lines;
};

// ASCII-only case-insensitive equality (Cyrillic and other bytes compare exactly).
bool SameTextAscii(std::string_view a, std::string_view b);
