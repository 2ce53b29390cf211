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
