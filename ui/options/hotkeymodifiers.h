// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hot key's modifier as the settings dialog offers it (one of "Alt",
// "Control", "Shift") and as the desktop and the settings file hold it
// (the flags 1 Alt, 2 Control, 4 Shift).
#include <cstdint>
#include <optional>

// The flags of list item 0, 1 or 2; 0 for any other index.
std::uint16_t ModifierIndexToFlags(int index);

// The list item of flags 1, 2 or 4; nothing for any other value (a
// combination such as 3, which a settings file may hold, has no item).
std::optional<int> ModifierFlagsToIndex(std::uint32_t flags);
