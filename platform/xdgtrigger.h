// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stored hot key (RegisterHotKey flags and a virtual-key code) in the
// shortcut syntax the desktop portal takes as a preferred trigger:
// modifiers and a key name joined by "+", such as "CTRL+F12".
#include <QString>

// Empty when the key has no name on an X keyboard: the desktop then
// chooses a key without a wish.
QString XdgShortcutTrigger(quint16 fsModifiers, quint16 vkCode);
