#include "platform/glyphs.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "platform/glyphpictures.h"

namespace {

// Paints the picture afresh for every size asked for, so a 2x screen gets a
// 32-pixel drawing, not a blown-up 16-pixel one.
class TGlyphEngine : public QIconEngine {
 public:
  explicit TGlyphEngine(TGlyphPicture picture) : m_picture(picture) {}

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

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(16, 16), QSize(32, 32)};
  }

  QString key() const override { return QStringLiteral("tamrix-glyph"); }
  QIconEngine* clone() const override { return new TGlyphEngine(m_picture); }

 private:
  TGlyphPicture m_picture;
};

}  // namespace

QIcon Glyph(const char* name) {
  TGlyphPicture picture = FindGlyphPicture(name);
  if (!picture) return {};
  return QIcon(new TGlyphEngine(picture));
}
