// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a result field shows of a text wider than itself. A number keeps its
// sign and its exponent (or its base letter) whatever happens: the digits of
// its mantissa give way first, from the right, and "…" stands where they
// were; "4.2000000000000000E+1" becomes "4.2000…E+1", never "4.2000000000".
// Any other text (a message) is cut at the right with "…". A text that fits
// is shown as it is.
#include <QString>

class QFontMetrics;

QString FitResultText(const QString& text, int width, const QFontMetrics& metrics);
