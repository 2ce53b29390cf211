// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowabilities.h"

#include <QGuiApplication>

TWindowAbilities PlatformWindowAbilities() {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return {};
  return {.PlacesWindows = false, .KeepsOnTop = false, .ReportsMinimized = false};
}
