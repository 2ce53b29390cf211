// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/resultfit.h"

#include <QFontMetrics>
#include <QRegularExpression>

namespace {
const QChar kEllipsis(0x2026);

// sign, mantissa, what follows it (exponent, base letter); false for a text
// that is not a number as the formats write one.
bool SplitNumber(const QString& text, QString& sign, QString& mantissa, QString& tail) {
  static const QRegularExpression based(QStringLiteral("^([-+]?)([0-9A-F]+)([hob])$"));
  static const QRegularExpression decimal(QStringLiteral("^([-+]?)([0-9]+(?:[.,][0-9]*)?)((?:E[-+]?[0-9]+)?)$"));
  for (const QRegularExpression* pattern : {&based, &decimal}) {
    const QRegularExpressionMatch m = pattern->match(text);
    if (!m.hasMatch()) continue;
    sign = m.captured(1);
    mantissa = m.captured(2);
    tail = m.captured(3);
    return true;
  }
  return false;
}
}  // namespace

QString FitResultText(const QString& text, int width, const QFontMetrics& metrics) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  QString sign, mantissa, tail;
  if (SplitNumber(text, sign, mantissa, tail)) {
    // At least one digit stays: "…E+1" alone would say nothing.
    for (qsizetype kept = mantissa.size() - 1; kept >= 1; --kept) {
      const QString shown = sign + mantissa.left(kept) + kEllipsis + tail;
      if (metrics.horizontalAdvance(shown) <= width) return shown;
    }
    return sign + mantissa.left(1) + kEllipsis + tail;  // wider than the field still, but whole in meaning
  }
  return metrics.elidedText(text, Qt::ElideRight, width);
}
