// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/screenclamp.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {
qint64 Overlap(const QRect& a, const QRect& b) {
  const QRect common = a.intersected(b);
  return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

QList<QRect> AvailableScreens() {
  QList<QRect> screens;
  // The primary screen first: a window that overlaps none goes there.
  if (QScreen* primary = QGuiApplication::primaryScreen()) screens.append(primary->availableGeometry());
  for (QScreen* s : QGuiApplication::screens())
    if (s != QGuiApplication::primaryScreen()) screens.append(s->availableGeometry());
  return screens;
}
}  // namespace

QRect ClampToScreens(const QRect& wanted, const QList<QRect>& screens) {
  if (screens.isEmpty()) return wanted;
  QRect screen = screens.front();
  qint64 best = 0;
  for (const QRect& s : screens) {
    if (const qint64 o = Overlap(wanted, s); o > best) {
      best = o;
      screen = s;
    }
  }
  const int width = std::min(wanted.width(), screen.width());
  const int height = std::min(wanted.height(), screen.height());
  const int left = std::clamp(wanted.left(), screen.left(), screen.left() + screen.width() - width);
  const int top = std::clamp(wanted.top(), screen.top(), screen.top() + screen.height() - height);
  return QRect(left, top, width, height);
}

void ClampToScreen(QWidget& window) {
  // The frame the window manager adds (known once shown) must fit as well.
  const QRect client = window.geometry();
  const QRect frame = window.frameGeometry();
  const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                         frame.bottom() - client.bottom());
  QRect placed = ClampToScreens(frame, AvailableScreens()).marginsRemoved(margins);
  // A window that cannot be narrower than its minimum keeps that minimum.
  placed.setSize(placed.size().expandedTo(window.minimumSize()));
  if (placed != client) window.setGeometry(placed);
}

int WidestScreenWidth() {
  int widest = 0;
  for (const QRect& s : AvailableScreens()) widest = std::max(widest, s.width());
  return widest > 0 ? widest : 4000;
}
