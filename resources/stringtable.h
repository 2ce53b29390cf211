// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's string table: every message that can reach the user through
// an error text or a message box, looked up by its numeric identifier.
#include <string>
#include <vector>

namespace strid {
// Engine messages.
inline constexpr int ArgNotInteger = 61149;      // "Аргумент не целое число"
inline constexpr int FloatOpError = 61150;       // "Ошибка в операции с плавающей точкой"
inline constexpr int LogBelowZero = 61151;       // "Выражение под логарифмом меньше нуля"
inline constexpr int RootBelowZero = 61152;      // "Выражение под корнем меньше нуля"
inline constexpr int DivisionByZero = 61153;     // "Деление на нуль"
inline constexpr int MissingBracket = 61154;     // "Не хватает скобки"
inline constexpr int SyntaxError = 61155;        // "Синтаксическая ошибка"
inline constexpr int BadFunctionArg = 61156;     // "Неверный аргумент функции"
// The engine's own bounds: nesting too deep, user functions recursing too deeply.
inline constexpr int NestingTooDeep = 61157;
inline constexpr int RecursionTooDeep = 61158;
// General arithmetic and conversion messages.
inline constexpr int InvalidOp = 65505;          // "Неверная операция с дробными числами"
inline constexpr int ZeroDivide = 65506;         // "Нецелочисленное деление на ноль"
inline constexpr int Overflow = 65507;           // "Нецелочисленное переполнение"
inline constexpr int InvalidFloat = 65521;       // "'%s' - неверное дробное значение"
}  // namespace strid

// Every id of the table, in its order.
std::vector<int> StringTableIds();

// The UTF-8 text of a message; an unknown id gives an empty text.
std::string LoadStr(int id);

// The message with its "%s" replaced by arg (the conversion message 65521).
std::string FormatStr(int id, const std::string& arg);
