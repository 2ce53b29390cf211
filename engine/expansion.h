// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// User functions are text macros, expanded before the expression is parsed.
#include <string>
#include <string_view>

#include "engine/zqtextlist.h"

// The n-th field, counted from 0, of text split by separator.
std::string ExtractField(std::string_view text, int n, char separator);

// Replaces every call of a user function in the prepared working text by its
// body in parentheses, each parameter replaced by its argument in
// parentheses. Throws EZQParserError (RecursionTooDeep) when the expansion
// would not end or would grow the text past its bound.
void ExpandUserFunctions(std::string& text, const TZQTextList& userFunctions);
