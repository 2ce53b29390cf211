// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt key presses as Windows virtual-key codes, the codes the settings file
// keeps for the hot key, so a key captured here is stored exactly as a
// Windows installation would store it.
#include <QtGlobal>
#include <Qt>

class QKeyEvent;

// key and modifiers as a QKeyEvent carries them. x11KeyCode is the X11 key
// code of the physical key (evdev code + 8), or 0 when unknown; it names the
// key when the active layout types a letter outside Latin (a Cyrillic layout,
// say), so the hot key stays on the same physical key. 0 for keys Windows has
// no code for.
quint16 VirtualKeyFromQtKey(int key, Qt::KeyboardModifiers modifiers, quint32 x11KeyCode = 0);

// The same for an event; its native scan code is used only on platforms
// where it is an X11 key code.
quint16 VirtualKeyFromEvent(const QKeyEvent& event);
