// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lookup of user-function calls for the expansion: which line of
// UserFunctions, if any, is called at the front of the text still to be
// scanned, and that line's parameters and body. Built once per expansion so
// that each position of a long text costs a few character tests rather than
// a pass over every line.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/zqtextlist.h"

struct TUserFuncDefinition {
  std::vector<std::string> Params;  // the parameter list split at ","
  std::string Body;                 // the text after the first "|"
};

struct TUserFuncCall {
  int Line = -1;              // index into UserFunctions, -1 when no call
  std::size_t NameLength = 0;
};

class TUserFuncIndex {
 public:
  explicit TUserFuncIndex(const TZQTextList& userFunctions);

  // Whether c occurs in some name (in either letter case).
  bool InSomeName(char c) const { return m_inSomeName[static_cast<unsigned char>(c)]; }

  // The call standing at the front of pending, which holds the rest of the
  // text in reverse order (its last character comes first): the first line,
  // in list order, whose name is followed there by "(". Letter case ignored.
  // nameRun is how many characters from the front pass InSomeName; a name
  // followed by "(" can only end where that run ends.
  TUserFuncCall CallAtFront(std::string_view pending, std::size_t nameRun) const;

  // Parameters and body of a line, taken from its value in upper case.
  const TUserFuncDefinition& Definition(int line);

 private:
  const TZQTextList& m_list;
  std::unordered_map<std::string, int> m_firstLineOfName;  // upper-case name
  std::vector<bool> m_isNameLength;
  std::size_t m_maxNameLength = 0;
  std::array<bool, 256> m_inSomeName{};
  bool m_parenInSomeName = false;
  std::vector<std::optional<TUserFuncDefinition>> m_definitions;
};
