// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Preparation of the working text from the user's line, in time linear in its
// length.
#include <string>
#include <string_view>

// Builds the working text: characters with codes 0 to 32 dropped, ASCII
// letters upper-cased, the end mark (code 0) appended and a "0" put in front
// of a leading "+" or "-". With commaDecimal the user's separators are
// translated on the way: "," becomes "." and ";" becomes ",". Throws
// EZQParserError "Не хватает скобки" when the counts of "(" and ")" differ.
// text keeps its capacity from one evaluation to the next.
void PrepareWorkingText(std::string_view input, bool commaDecimal, std::string& text);

// Puts a "0" between every "(" and a "+" or "-" right after it, so that a
// sign there reads as a subtraction from zero. One pass through scratch.
void InsertZeroAfterOpenParen(std::string& text, std::string& scratch);
