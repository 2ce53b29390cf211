// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a top-level window stands, as the settings keep it: the top-left
// corner of its client area. The same corner is read for saving and set
// for restoring, because a window manager adds its frame around the client
// area, and a frame's corner saved but set as a client corner (or the other
// way round) moves the window by the frame's size on every round. A window
// shown is asked where it really is (see ClientOrigin); set that place
// back before showing it again or resizing it, since the toolkit would
// otherwise use its own idea of it.
#include <QPoint>

class QWidget;

QPoint WindowPlace(const QWidget& window);
// Puts the client area's top-left corner at place, keeping the size.
void SetWindowPlace(QWidget& window, QPoint place);
