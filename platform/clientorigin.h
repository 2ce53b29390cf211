// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the X server has put the client area of a shown top-level window.
// Under some window managers the toolkit's own idea of it is off by the
// frame's title bar once the window is framed, so the server is asked.
#include <QPoint>
#include <optional>

class QWindow;

// The client area's top-left corner on the screen, in the toolkit's
// coordinates; nothing when not on X11 or the window is not created.
std::optional<QPoint> ClientOrigin(const QWindow* window);
