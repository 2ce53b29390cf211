// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The format menu's and the format buttons' texts in the interface's
// language. The format module keeps them in Russian, free of the toolkit;
// they are translated here, where the main window shows them, by the item's
// index, and an index with no translation shows the module's own text.
#include <QString>

// A top-level item of the format menu (0..5).
QString FormatMenuText(int topIndex);
// An engineering scale (0..10).
QString EngineeringScaleText(int scaleIndex);
// The caption of a format button for a format code.
QString FormatButtonText(int code);
// The format a code stands for in words, as the menu marks it: the top item,
// and the scale after a comma for an engineering code.
QString FormatCodeText(int code);
