// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/legiblecolor.h"

#include <algorithm>
#include <cmath>

namespace {
double Luminance(const QColor& c) {
  const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Blend(const QColor& a, const QColor& b, double share) {
  const auto mix = [share](double x, double y) { return x + (y - x) * share; };
  return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF())), static_cast<float>(mix(a.greenF(), b.greenF())),
                          static_cast<float>(mix(a.blueF(), b.blueF())));
}

QColor LegibleOn(const QColor& color, const QColor& background, double least) {
  const QColor end = Luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
  for (int step = 0; step <= 20; ++step) {
    const QColor candidate = Blend(color, end, step / 20.0);
    if (ContrastRatio(candidate, background) >= least) return candidate.toRgb();
  }
  return end;
}
