// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/catalogueicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {
using Painter = std::function<void(QPainter&)>;

QPixmap Render(const Painter& paint, int scale) {
  QPixmap pixmap(16 * scale, 16 * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  paint(p);
  return pixmap;
}

QIcon Glyph(const Painter& paint) {
  QIcon icon;
  icon.addPixmap(Render(paint, 1));
  icon.addPixmap(Render(paint, 2));
  return icon;
}

QPen Stroke(const QColor& color, qreal width) { return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
}  // namespace

QIcon AddGlyph() {
  return Glyph([](QPainter& p) {
    p.setPen(Stroke(QColor(0, 128, 0), 3));
    p.drawLine(QPointF(8, 3), QPointF(8, 13));
    p.drawLine(QPointF(3, 8), QPointF(13, 8));
  });
}

QIcon ChangeGlyph() {
  return Glyph([](QPainter& p) {
    QPainterPath body;
    body.moveTo(3, 13);
    body.lineTo(4, 10);
    body.lineTo(11, 3);
    body.lineTo(13, 5);
    body.lineTo(6, 12);
    body.closeSubpath();
    p.setPen(Stroke(QColor(64, 64, 64), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawPath(body);
    p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
  });
}

QIcon DeleteGlyph() {
  return Glyph([](QPainter& p) {
    p.setPen(Stroke(QColor(200, 0, 0), 2.5));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
  });
}
