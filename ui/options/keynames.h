// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display name of a hot key's key, shown in the settings dialog.
#include <cstdint>
#include <string>

// A name from the program's own list (function keys, "Page Up", "TAB"...),
// else the character the key types on the keyboard layout, else empty.
// Letters come as capitals whatever the shift state. Backspace, Enter and
// Escape give their control characters 8, 13 and 27 as a one-character name.
std::string KeyCodeToName(std::uint32_t keyCode);
