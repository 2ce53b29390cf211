// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/windowplace.h"

#include <QWidget>

QPoint WindowPlace(const QWidget& window) { return window.geometry().topLeft(); }

// setGeometry, not move: move places the frame, which X11 window managers
// learn only once the window is mapped, so a window shown again (or a
// dialog resized while shown) lands a title bar's height away from where
// it was.
void SetWindowPlace(QWidget& window, QPoint place) { window.setGeometry(QRect(place, window.size())); }
