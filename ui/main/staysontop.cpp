// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/staysontop.h"

#include <QWidget>
#include <QWindow>

void SetStaysOnTop(QWidget& window, bool on) {
  const Qt::WindowFlags flags = window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
  QWindow* handle = window.windowHandle();
  if (!handle || !window.isVisible()) {
    window.setWindowFlags(flags);  // nothing is shown yet, so nothing is lost
    return;
  }
  window.overrideWindowFlags(flags);
  handle->setFlags(flags);
}

void ReapplyStaysOnTop(QWidget& window) {
  QWindow* handle = window.windowHandle();
  if (!handle || !window.isVisible() || !(window.windowFlags() & Qt::WindowStaysOnTopHint)) return;
  // The same flags again would be no change and not reach the desktop: off
  // first, then on, both in order.
  handle->setFlags(window.windowFlags() & ~Qt::WindowStaysOnTopHint);
  handle->setFlags(window.windowFlags());
}
