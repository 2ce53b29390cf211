// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screenmapping.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <limits>

QRect TScreenMapping::Native() const {
  return QRect(NativeOrigin, QSize(qRound(Logical.width() * Scale), qRound(Logical.height() * Scale)));
}

QPoint TScreenMapping::ToLogical(QPoint native) const {
  const QPointF within = QPointF(native - NativeOrigin) / Scale;
  return Logical.topLeft() + QPoint(qFloor(within.x() + 0.5), qFloor(within.y() + 0.5));
}

QPoint TScreenMapping::ToNative(QPoint logical) const {
  const QPointF within = QPointF(logical - Logical.topLeft()) * Scale;
  return NativeOrigin + QPoint(qFloor(within.x() + 0.5), qFloor(within.y() + 0.5));
}

const TScreenMapping& ScreenAtNative(const std::vector<TScreenMapping>& screens, QPoint native) {
  const TScreenMapping* nearest = &screens.front();
  long long best = std::numeric_limits<long long>::max();
  for (const TScreenMapping& screen : screens) {
    const QRect area = screen.Native();
    if (area.contains(native)) return screen;
    const long long dx = std::max({area.left() - native.x(), 0, native.x() - area.right()});
    const long long dy = std::max({area.top() - native.y(), 0, native.y() - area.bottom()});
    if (dx * dx + dy * dy < best) {
      best = dx * dx + dy * dy;
      nearest = &screen;
    }
  }
  return *nearest;
}

std::vector<TScreenMapping> CurrentScreens() {
  std::vector<TScreenMapping> screens;
  if (!qGuiApp) return screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    // The toolkit leaves a screen's corner where the server has it: the
    // logical origin is the native one.
    const QRect logical = screen->geometry();
    screens.push_back({logical, logical.topLeft(), screen->devicePixelRatio()});
  }
  return screens;
}

QPoint NativeToLogical(QPoint native) {
  const std::vector<TScreenMapping> screens = CurrentScreens();
  return screens.empty() ? native : ScreenAtNative(screens, native).ToLogical(native);
}
