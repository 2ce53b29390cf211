// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window restored from the settings must land whole on a screen: the
// settings may come from a larger desktop, a second screen that is gone, or
// a damaged file (a width of 99999, a place far off at the left). The
// window keeps its size where the screen allows, shrinks to the screen
// where not, and is moved in just far enough to be whole.
#include <QList>
#include <QRect>

class QWidget;

// wanted, moved and shrunk onto the screen it lands on: the one it overlaps
// most, or the first (the primary) when it overlaps none. No screen: wanted.
QRect ClampToScreens(const QRect& wanted, const QList<QRect>& screens);
// The same for a top-level window, with the desktop's screens (their parts
// not taken by panels); the window's own minimum size still holds.
void ClampToScreen(QWidget& window);
// The widest a column may be restored: the width of the widest screen.
int WidestScreenWidth();
