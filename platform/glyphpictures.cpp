// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/glyphpictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <cstring>
#include <iterator>

namespace {

// One palette for every glyph. One-unit strokes lie on half units so that
// they cover whole pixels at 1x and 2x.
const QColor kDarkInk(0x2f, 0x37, 0x40);
const QColor kLightInk(0xe4, 0xe8, 0xec);
const QColor kDarkBlue(0x2a, 0x6f, 0xdb);
const QColor kLightBlue(0x5a, 0x9a, 0xf0);
const QColor kRed(0xd2, 0x3c, 0x3c);
const QColor kGreen(0x2e, 0x9a, 0x4a);
const QColor kYellow(0xf2, 0xc2, 0x30);
const QColor kGrey(0x8a, 0x94, 0x9c);
const QColor kPaleGrey(0xd6, 0xda, 0xde);
const QColor kPaper(Qt::white);

// Outlines and strokes are dark on a light desktop and light on a dark one,
// so the glyphs keep their contrast to the button face they are drawn on.
bool DarkFace() { return QGuiApplication::palette().color(QPalette::Button).lightness() < 128; }
QColor Ink() { return DarkFace() ? kLightInk : kDarkInk; }
QColor Blue() { return DarkFace() ? kLightBlue : kDarkBlue; }

QPen Stroke(const QColor& color, qreal width = 1.0) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Sheet(QPainter& p, const QRectF& r) {
  p.setPen(Stroke(Ink()));
  p.setBrush(kPaper);
  p.drawRect(r);
}

void TextLines(QPainter& p, qreal x1, qreal x2, qreal y, int count) {
  p.setPen(Stroke(Blue()));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(x1, y + 2 * i), QPointF(x2, y + 2 * i));
}

// A window with its title bar and two menu lines: the window's own menu.
void SysMenu(QPainter& p) {
  p.setPen(Stroke(Ink()));
  p.setBrush(kPaper);
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
  p.fillRect(QRectF(2, 3, 12, 3), Blue());
  TextLines(p, 4.5, 11.5, 8.5, 3);
}

// A drawing pin; stuck in upright while the window stays on top.
void Pin(QPainter& p, const QColor& color) {
  p.setPen(Stroke(Ink(), 1.2));
  p.drawLine(QPointF(8, 10.5), QPointF(8, 15));
  p.setPen(Stroke(Ink()));
  p.setBrush(color);
  p.drawRoundedRect(QRectF(4.5, 1.5, 7, 3), 1, 1);
  p.drawPolygon(QPolygonF({{6.5, 4.5}, {9.5, 4.5}, {10, 8.5}, {6, 8.5}}));
  p.drawRoundedRect(QRectF(3.5, 8.5, 9, 2), 1, 1);
}

void OnTopOn(QPainter& p) { Pin(p, kRed); }

void OnTopOff(QPainter& p) {
  p.translate(8, 8);
  p.rotate(45);
  p.translate(-8, -8);
  Pin(p, QColor(0xa8, 0xb0, 0xb8));
}

void Copy(QPainter& p) {
  Sheet(p, QRectF(1.5, 1.5, 8, 10));
  Sheet(p, QRectF(6.5, 4.5, 8, 10));
  TextLines(p, 8.5, 12.5, 7.5, 3);
}

void Paste(QPainter& p) {
  p.setPen(Stroke(Ink()));
  p.setBrush(QColor(0xb8, 0x80, 0x46));
  p.drawRoundedRect(QRectF(2.5, 2.5, 11, 13), 1, 1);
  Sheet(p, QRectF(4.5, 5.5, 7, 8));
  p.setBrush(kGrey);
  p.drawRoundedRect(QRectF(5.5, 1.5, 5, 3), 1, 1);
  TextLines(p, 6.5, 9.5, 8.5, 3);
}

// An italic f and a small x: functions.
void Func(QPainter& p) {
  QPainterPath f;
  f.moveTo(12.5, 3);
  f.cubicTo(11.5, 1.2, 9.3, 1.2, 8.8, 3.8);
  f.lineTo(7.2, 12);
  f.cubicTo(6.7, 14.6, 4.5, 14.8, 3.5, 13);
  p.setPen(Stroke(Ink(), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(f);
  p.drawLine(QPointF(5.5, 6.5), QPointF(11, 6.5));
  p.setPen(Stroke(Blue(), 1.3));
  p.drawLine(QPointF(10.5, 10), QPointF(14.5, 14.5));
  p.drawLine(QPointF(14.5, 10), QPointF(10.5, 14.5));
}

// A gear wheel of eight teeth.
void Options(QPainter& p) {
  QPolygonF wheel;
  const qreal inner = 5.0, outer = 7.2;
  for (int i = 0; i < 8; ++i) {
    const qreal a = qDegreesToRadians(i * 45.0);
    const qreal steps[][2] = {{-15, inner}, {-9, outer}, {9, outer}, {15, inner}};
    for (const auto& s : steps) {
      const qreal b = a + qDegreesToRadians(s[0]);
      wheel << QPointF(8 + s[1] * qCos(b), 8 + s[1] * qSin(b));
    }
  }
  QPainterPath gear;
  gear.addPolygon(wheel);
  gear.closeSubpath();
  gear.addEllipse(QPointF(8, 8), 2.2, 2.2);
  p.setPen(Stroke(Ink()));
  p.setBrush(QColor(0x6b, 0x7b, 0x8a));
  p.drawPath(gear);
}

void Warning(QPainter& p, const QColor& fill, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.setBrush(fill);
  p.drawPolygon(QPolygonF({{8, 1.5}, {14.8, 14.5}, {1.2, 14.5}}));
  p.setPen(Stroke(ink, 1.6));
  p.drawLine(QPointF(8, 6), QPointF(8, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPointF(8, 12.4), 0.9, 0.9);
}

void ErrorOn(QPainter& p) { Warning(p, kYellow, Ink()); }

// Messages switched off: the sign greyed and struck through.
void ErrorOff(QPainter& p) {
  Warning(p, kPaleGrey, kGrey);
  p.setPen(Stroke(kRed, 1.5));
  p.drawLine(QPointF(2.5, 2.5), QPointF(13.5, 13.5));
}

void Chevrons(QPainter& p, bool up) {
  p.setPen(Stroke(Blue(), 1.6));
  p.setBrush(Qt::NoBrush);
  for (qreal y : {4.5, 9.0}) {
    const qreal tip = up ? y : y + 4;
    const qreal ends = up ? y + 4 : y;
    p.drawPolyline(QPolygonF({{3.5, ends}, {8, tip}, {12.5, ends}}));
  }
}

// The lower panel is out: the arrows point the way it goes back.
void DropOn(QPainter& p) { Chevrons(p, true); }
void DropOut(QPainter& p) { Chevrons(p, false); }

void Help(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Blue());
  p.drawEllipse(QPointF(8, 8), 7, 7);
  QPainterPath mark;
  mark.moveTo(5.6, 6.1);
  mark.cubicTo(5.6, 3.4, 10.4, 3.4, 10.4, 6.1);
  mark.cubicTo(10.4, 7.9, 8, 8.1, 8, 10);
  p.setPen(Stroke(kPaper, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(mark);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(8, 12.5), 1.1, 1.1);
}

void Close(QPainter& p) {
  p.setPen(Stroke(Ink(), 2));
  p.drawLine(QPointF(4, 4), QPointF(12, 12));
  p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

// An arrow into a tray: the expression goes into the history.
void Store(QPainter& p) {
  p.setPen(Stroke(Ink(), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({{1.5, 10.5}, {1.5, 14.5}, {14.5, 14.5}, {14.5, 10.5}}));
  p.setPen(Stroke(kGreen, 2));
  p.drawLine(QPointF(8, 1.5), QPointF(8, 9));
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawPolygon(QPolygonF({{4.2, 7.2}, {8, 12}, {11.8, 7.2}}));
}

// A pocket calculator: display and a keypad with one orange key.
void MainIcon(QPainter& p) {
  p.setPen(Stroke(Ink()));
  p.setBrush(QColor(0x3b, 0x4a, 0x5a));
  p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xcf, 0xe8, 0xcf));
  p.drawRect(QRectF(4, 2, 8, 3.5));
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const bool equals = row == 2 && col == 2;
      p.setBrush(equals ? QColor(0xf0, 0x8a, 0x24) : QColor(0xe8, 0xec, 0xf0));
      p.drawRect(QRectF(4 + 3 * col, 7 + 2.8 * row, 2, 2));
    }
  }
}

// The captions of the minimise and angle buttons, drawn at the weight of
// the glyphs beside them; the bars lie on whole units, crisp at 1x and 2x.
void Minimize(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Ink());
  p.drawRoundedRect(QRectF(2, 11, 12, 2), 0.75, 0.75);
}

void Degrees(QPainter& p) {
  p.setPen(Stroke(Ink(), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(8, 6.5), 3.5, 3.5);
}

void Radians(QPainter& p) {
  p.setPen(QPen(Ink(), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawLine(QPointF(2, 4), QPointF(14, 4));
  p.drawLine(QPointF(6, 4), QPointF(5, 14));
  QPainterPath leg;
  leg.moveTo(10.5, 4);
  leg.lineTo(10.5, 12);
  leg.quadTo(10.5, 14, 13.5, 13.5);
  p.setBrush(Qt::NoBrush);
  p.drawPath(leg);
}

struct NamedPicture {
  const char* name;
  TGlyphPicture picture;
};

constexpr NamedPicture kPictures[] = {
    {"SYSMENU", SysMenu}, {"ONTOPON", OnTopOn},   {"ONTOPOFF", OnTopOff}, {"COPY", Copy},
    {"PASTE", Paste},     {"FUNC", Func},         {"OPTIONS", Options},   {"ERRORON", ErrorOn},
    {"ERROROFF", ErrorOff}, {"DROPON", DropOn},   {"DROPOUT", DropOut},   {"HELP", Help},
    {"CLOSE", Close},     {"STORE", Store},       {"MAINICON", MainIcon}, {"MINIMIZE", Minimize},
    {"DEGREES", Degrees}, {"RADIANS", Radians},
};

}  // namespace

TGlyphPicture FindGlyphPicture(const char* name) {
  if (!name) return nullptr;
  for (const NamedPicture& entry : kPictures) {
    if (std::strcmp(entry.name, name) == 0) return entry.picture;
  }
  return nullptr;
}
