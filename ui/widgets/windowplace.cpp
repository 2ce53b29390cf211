// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/windowplace.h"

#include <QWidget>

#include "platform/clientorigin.h"

QPoint WindowPlace(const QWidget& window) {
  if (window.isVisible()) {
    if (const std::optional<QPoint> origin = ClientOrigin(window.windowHandle())) return *origin;
  }
  return window.geometry().topLeft();
}

// setGeometry, not move: move places the frame, which an X11 window
// manager adds only once the window is mapped.
void SetWindowPlace(QWidget& window, QPoint place) { window.setGeometry(QRect(place, window.size())); }
