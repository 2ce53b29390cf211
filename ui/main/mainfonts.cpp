// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/mainfonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace {
QStringList Families(const QString& first) {
  QStringList list{first};
  for (const char* f : {"Liberation Sans", "DejaVu Sans", "Noto Sans", "Nimbus Sans", "sans-serif"})
    if (first.compare(QLatin1String(f), Qt::CaseInsensitive) != 0) list << QString::fromLatin1(f);
  return list;
}
}  // namespace

QFont WindowFont() {
  QFont font;
  font.setFamilies(Families(QStringLiteral("MS Sans Serif")));
  font.setPixelSize(11);
  return font;
}

QFont FieldFont(const QString& name, int pointSize, bool bold, bool italic) {
  QFont font;
  font.setFamilies(Families(name.isEmpty() ? QStringLiteral("MS Sans Serif") : name));
  // A hand-edited size out of all proportion would make a window no screen holds.
  font.setPointSize(pointSize > 0 ? qMin(pointSize, 72) : 10);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QString FieldFontName(const QFont& font) {
  const QStringList families = font.families();
  return families.isEmpty() ? font.family() : families.first();
}

int FieldHeight(const QFont& font) {
  return qMax(24, QFontMetrics(font).height() + 8);
}
