// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/stringtable.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<int, const char*>, 14> kStrings{{
    {strid::ArgNotInteger, "Аргумент не целое число"},
    {strid::FloatOpError, "Ошибка в операции с плавающей точкой"},
    {strid::LogBelowZero, "Выражение под логарифмом меньше нуля"},
    {strid::RootBelowZero, "Выражение под корнем меньше нуля"},
    {strid::DivisionByZero, "Деление на нуль"},
    {strid::MissingBracket, "Не хватает скобки"},
    {strid::SyntaxError, "Синтаксическая ошибка"},
    {strid::BadFunctionArg, "Неверный аргумент функции"},
    {strid::NestingTooDeep, "Слишком глубокая вложенность выражения"},
    {strid::RecursionTooDeep, "Слишком глубокая рекурсия пользовательских функций"},
    {strid::InvalidOp, "Неверная операция с дробными числами"},
    {strid::ZeroDivide, "Нецелочисленное деление на ноль"},
    {strid::Overflow, "Нецелочисленное переполнение"},
    {strid::InvalidFloat, "'%s' - неверное дробное значение"},
}};
}  // namespace

std::vector<int> StringTableIds() {
  std::vector<int> ids;
  for (const auto& entry : kStrings) ids.push_back(entry.first);
  return ids;
}

std::string LoadStr(int id) {
  for (const auto& [key, text] : kStrings)
    if (key == id) return text;
  return {};
}

std::string FormatStr(int id, const std::string& arg) {
  std::string text = LoadStr(id);
  if (auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, arg);
  return text;
}
