// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Native pixels (what the X server reports) and the toolkit's logical
// coordinates, screen by screen. With a scale factor the toolkit keeps each
// screen's top-left corner and scales what lies within the screen from that
// corner, so a point maps as (native - screen's native origin) / scale +
// screen's logical origin. Dividing the whole coordinate by the scale is
// right only for a screen at 0,0; on any other it lands on another screen.
#include <QPoint>
#include <QRect>
#include <vector>

struct TScreenMapping {
  QRect Logical;  // the screen in logical coordinates
  QPoint NativeOrigin;  // its top-left corner in native pixels
  qreal Scale = 1;  // native pixels per logical one

  QRect Native() const;
  QPoint ToLogical(QPoint native) const;
  QPoint ToNative(QPoint logical) const;
};

// The screen a native point lies on: the one holding it, else the nearest;
// screens must not be empty.
const TScreenMapping& ScreenAtNative(const std::vector<TScreenMapping>& screens, QPoint native);

// The application's screens as they are now (none without an application).
std::vector<TScreenMapping> CurrentScreens();

// A native point of the screens in logical coordinates (unchanged when
// there are no screens).
QPoint NativeToLogical(QPoint native);
