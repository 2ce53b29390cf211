// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window needs from outside itself, handed in by the program
// entry (the real desktop services) or by a test (fakes).
#include <functional>
#include <optional>
#include <string>

#include "platform/windowabilities.h"
#include "storage/mainsettings.h"

class THotKeyService;

struct TMainServices {
  // The data folder, ending with a path delimiter: "Tamrix.ini" and
  // "Tamrix.his" live there.
  std::string ProgramDir;
  // The global hot key; must outlive the window.
  THotKeyService* HotKey = nullptr;
  // Whether the desktop shows a notification area. Where it has none,
  // minimising never hides the program into it, so it stays reachable.
  std::function<bool()> TrayAvailable;
  // What the desktop lets the window do; none: ask the platform.
  std::optional<TWindowAbilities> Abilities;
  // The settings as the caller has read them already from the data folder
  // (the program entry needs the language first); else the window reads them.
  std::optional<TMainSettings> Settings;
};
