// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Translation of the Windows key description the settings keep (a
// virtual-key code and the RegisterHotKey modifier flags) into X11 terms.
// Plain integers here so that callers need no X11 header.
#include <QtGlobal>

// The X keysym of a virtual-key code on a US layout; 0 (NoSymbol) for codes
// that have no key on an X keyboard.
unsigned long VkToKeysym(quint16 vkCode);

// The X modifier mask of RegisterHotKey flags: 1 Alt -> Mod1, 2 Control,
// 4 Shift, 8 Windows key -> Mod4. A sum maps to the union; other bits
// (such as "no repeat") have no X counterpart and are dropped.
unsigned int X11ModifierMask(quint16 fsModifiers);
