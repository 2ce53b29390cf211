// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clientorigin.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>

#include "platform/screenmapping.h"

std::optional<QPoint> ClientOrigin(const QWindow* window) {
  if (!window || !window->handle() || QGuiApplication::platformName() != QLatin1String("xcb")) return std::nullopt;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return std::nullopt;
  int x = 0;
  int y = 0;
  ::Window child = 0;
  if (!XTranslateCoordinates(display, static_cast<::Window>(window->winId()), DefaultRootWindow(display), 0, 0, &x,
                             &y, &child))
    return std::nullopt;
  return NativeToLogical(QPoint(x, y));
}
