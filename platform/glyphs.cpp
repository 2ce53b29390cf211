// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/glyphs.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <utility>

#include "platform/glyphpictures.h"

namespace {

// Paints the picture afresh for every size asked for, so a 2x screen gets a
// 32-pixel drawing, not a blown-up 16-pixel one.
class TGlyphEngine : public QIconEngine {
 public:
  TGlyphEngine(TGlyphPicture picture, QList<QSize> sizes) : m_picture(picture), m_sizes(std::move(sizes)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    m_picture(*painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    }
    if (mode != QIcon::Normal && qApp) {
      // Greyed and selected looks come from the style, like for any icon.
      QStyleOption option;
      option.palette = QApplication::palette();
      return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    return pixmap;
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }

  QString key() const override { return QStringLiteral("tamrix-glyph"); }
  QIconEngine* clone() const override { return new TGlyphEngine(m_picture, m_sizes); }

 private:
  TGlyphPicture m_picture;
  QList<QSize> m_sizes;
};

}  // namespace

QIcon Glyph(const char* name) {
  TGlyphPicture picture = FindGlyphPicture(name);
  if (!picture) return {};
  return QIcon(new TGlyphEngine(picture, {QSize(16, 16), QSize(32, 32)}));
}

QIcon ProgramIcon() {
  QList<QSize> sizes;
  for (int side : {16, 22, 24, 32, 48, 64, 128}) sizes << QSize(side, side);
  return QIcon(new TGlyphEngine(FindGlyphPicture("MAINICON"), sizes));
}
