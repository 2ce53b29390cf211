// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's two kinds of failure.
#include <stdexcept>
#include <string>
#include <utility>

#include "resources/stringtable.h"

// An engine message: a fixed text from the string table, with its id.
class EZQParserError : public std::runtime_error {
 public:
  explicit EZQParserError(int id) : std::runtime_error(LoadStr(id)), m_id(id) {}
  EZQParserError(int id, const std::string& text) : std::runtime_error(text), m_id(id) {}
  int Id() const { return m_id; }

 private:
  int m_id;
};

// An arithmetic fault (invalid operation, division by zero, overflow) or a
// failed number conversion, carrying the id of its general message. Guarded
// regions replace it by their own engine message.
class EZQArithmeticError : public std::runtime_error {
 public:
  explicit EZQArithmeticError(int id) : std::runtime_error(LoadStr(id)), m_id(id) {}
  EZQArithmeticError(int id, const std::string& text) : std::runtime_error(text), m_id(id) {}
  // A message whose "%s" arg fills (the conversion message).
  EZQArithmeticError(int id, const std::string& text, std::string arg)
      : std::runtime_error(text), m_id(id), m_arg(std::move(arg)) {}
  int Id() const { return m_id; }
  const std::string& Arg() const { return m_arg; }

 private:
  int m_id;
  std::string m_arg;
};
