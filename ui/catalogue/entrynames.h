// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks of an entry's name that the entry editor makes on OK: a
// constant's name, and a function's head with its parameter list. A name
// must be a free identifier: no built-in function, neither Pi nor e, no
// user constant and no user function may have it in any letter case, for
// the first line of a name is the one the parser uses and the others would
// be dead entries. A changed entry may keep its own name (oldName).
#include <string_view>

class TZQParser;

enum class TNameFault {
  None,
  NoName,         // nothing typed, or nothing before the "(" of a head
  BadName,        // not an identifier (also a parameter)
  NameInUse,      // taken (also a parameter named twice)
  NotAHead,       // a head not of the form name(parameters)
};

TNameFault CheckConstantName(std::string_view name, const TZQParser& parser, std::string_view oldName);

// head: name "(" parameters ")" with nothing after it; the parameters, if
// any, are identifiers separated by argumentSeparator, as the function is
// called. "f()" takes none.
TNameFault CheckFunctionHead(std::string_view head, char argumentSeparator, const TZQParser& parser,
                             std::string_view oldName);
