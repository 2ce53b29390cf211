// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the settings dialog edits: the main window hands these in before
// showing it and takes them back after OK.
#include <QFont>
#include <cstdint>
#include <string>

#include "storage/mainsettings.h"

struct TOptionsValues {
  bool InTray = true;
  bool ExprMem = false;     // set: the last expression is not restored at start
  bool CloseQuery = false;
  std::int32_t NExpres = 10;
  QFont Font;               // of the input line and the three output fields
  std::int32_t NDigit = 18;
  char DecimalSeparator = '.';
  char ArgumentSeparator = ',';
  // The hot key in force: flags 1 Alt, 2 Control, 4 Shift and a virtual-key
  // code. The dialog re-registers it itself and reports the new pair back.
  std::uint16_t fsModifiers = 2;
  std::uint16_t VK_Code = 123;
  // Of the interface: "ru", "en"…, or empty for the desktop's; OK puts it in
  // force at once.
  std::string Language;
};
