// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNG files for the desktop's icon theme:
//   tamrix_iconrender OUTDIR SIZE...   makes OUTDIR/SIZExSIZE/tamrix.png
// The picture is the one the windows paint (the tray and the about box), so
// the menu and the running program show the same calculator.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "platform/glyphs.h"

int main(int argc, char** argv) {
  // Painting needs no screen; the build machine may have none.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: tamrix_iconrender OUTDIR SIZE...\n");
    return 2;
  }
  const QIcon icon = Glyph("MAINICON");
  if (icon.isNull()) {
    std::fprintf(stderr, "tamrix_iconrender: the program icon is missing\n");
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
      std::fprintf(stderr, "tamrix_iconrender: bad size %s\n", argv[i]);
      return 2;
    }
    // Painted straight into an image of the exact size, not scaled from
    // another size, so every size is sharp.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      icon.paint(&painter, QRect(0, 0, size, size));
    }
    const QString folder = QStringLiteral("%1x%1").arg(size);
    const QString file = out.filePath(folder + QStringLiteral("/tamrix.png"));
    if (!out.mkpath(folder) || !image.save(file, "PNG")) {
      std::fprintf(stderr, "tamrix_iconrender: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
