// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's side of the settings dialog: fill it, show it modally,
// and take the values back only when it ends with OK.
#include <QFont>
#include <cstdint>
#include <functional>
#include <string>

#include "ui/options/optionsvalues.h"

class TfrmOptions;
class TZQParser;

// Returns true and replaces values after OK (the hot key pair included,
// which the dialog has registered already); false and values untouched
// after Cancel or the close box.
bool RunOptionsDialog(TfrmOptions& dialog, TOptionsValues& values);

// The main window's settings that the dialog edits, where they live.
struct TOptionsTarget {
  bool& InTray;
  bool& ExprMem;
  bool& CloseQuery;
  std::int32_t& NExpres;
  TZQParser& Parser;  // NDigit and the two separators
  std::uint16_t& fsModifiers;
  std::uint16_t& VK_Code;
  std::function<QFont()> OutputFont;                    // of edOutput
  std::function<void(const QFont&)> ApplyOutputFont;   // to the input line and the outputs
  std::string* Language = nullptr;                     // the interface's, when the window keeps one
};

// The same, reading the values from target and, after OK, writing them back
// in the order the window takes them: the three switches, the digits, the
// history length, the separators, the hot key, the font. The caller lays its
// controls out again when this returns true.
bool RunOptionsDialog(TfrmOptions& dialog, TOptionsTarget& target);
