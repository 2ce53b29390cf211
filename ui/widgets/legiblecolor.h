// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours that stay readable on whatever desktop palette the user runs: a
// fixed colour of the design is kept where it stands out from its
// background, and moved towards white on a dark background (towards black
// on a light one) where it does not.
#include <QColor>

// Contrast ratio of two colours, 1 (none) to 21 (black on white), as the
// accessibility guidelines reckon it.
double ContrastRatio(const QColor& a, const QColor& b);
// The colour between a (share 0) and b (share 1).
QColor Blend(const QColor& a, const QColor& b, double share);
// color itself when its contrast to background reaches least, else the
// nearest blend towards white or black that reaches it.
QColor LegibleOn(const QColor& color, const QColor& background, double least);
