// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/typingfilters.h"

#include <QKeyEvent>

namespace {
bool IsAsciiLetter(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<char32_t> TypedChar(const QKeyEvent& event) {
  const int key = event.key();
  switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape:
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Delete:
      return std::nullopt;
    case Qt::Key_Backspace:
      return kBackspace;
    default:
      break;
  }
  const Qt::KeyboardModifiers mods = event.modifiers();
  if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
    return static_cast<char32_t>(key - Qt::Key_A + 1);
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  const QList<uint> code = text.toUcs4();
  if (code.isEmpty()) return std::nullopt;
  return static_cast<char32_t>(code.front());
}

bool AcceptNameChar(char32_t c, bool constMode, bool fieldEmpty) {
  if (c == kBackspace || IsAsciiLetter(c) || c == '_') return true;
  if (IsDigit(c)) return !fieldEmpty;
  if (c == '(' || c == ')' || c == ',' || c == ';') return !constMode && !fieldEmpty;
  return false;
}

bool AcceptValueChar(char32_t c, bool constMode) {
  // A function body takes anything but "|", which separates the body from
  // the description in the list file and would cut the body at the next start.
  if (!constMode) return c != '|';
  return c == kBackspace || (c >= '(' && c <= ';') || IsAsciiLetter(c) || c == '^' || c == '_';
}
