// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The character a Windows virtual-key code produces on a US keyboard layout,
// as the desktop's own key mapping answers "which character is on this key"
// (no shift state: letters come as capitals, other keys as their unshifted
// character). Settings files written on Windows hold such codes, so the
// program keeps using them on every desktop.
#include <cstdint>

// 0 when the key has no character (Shift, arrows, function keys, codes
// beyond 255). Backspace, Tab, Enter and Escape give 8, 9, 13 and 27.
std::uint32_t VirtualKeyToChar(std::uint32_t vkCode);
