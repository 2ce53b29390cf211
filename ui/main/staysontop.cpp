// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/staysontop.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

void SetStaysOnTop(QWidget& window, bool on) {
  if (!window.isVisible()) {
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);  // nothing is shown yet, so nothing is lost
    return;
  }
  // The flag makes a new native window, which hides the old one: the place,
  // the activation and the keyboard are given back to the new one. (Changing
  // the flag of the native window in place is lost on some desktops once the
  // window has been made anew on its way back from the tray.)
  const bool wasActive = window.isActiveWindow();
  QWidget* focus = window.focusWidget();
  const QRect place = window.geometry();
  window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
  window.setGeometry(place);
  window.show();
  if (!wasActive) return;
  // Once the desktop has dealt with the old window going away.
  QTimer::singleShot(0, &window, [&window, focus = QPointer<QWidget>(focus)] {
    window.raise();
    window.activateWindow();
    if (focus) focus->setFocus(Qt::ActiveWindowFocusReason);
  });
}

void ReapplyStaysOnTop(QWidget& window) {
  QWindow* handle = window.windowHandle();
  if (!handle || !window.isVisible() || !(window.windowFlags() & Qt::WindowStaysOnTopHint)) return;
  // The same flags again would be no change and not reach the desktop: off
  // first, then on, both in order.
  handle->setFlags(window.windowFlags() & ~Qt::WindowStaysOnTopHint);
  handle->setFlags(window.windowFlags());
}
