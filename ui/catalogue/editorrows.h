// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry editor's rows, from the top: each row is a caption above its
// field(s), and the buttons close the column. The designed places (a
// caption 16 pixels above its field, fields 21 high, 7 pixels between a
// field and the next caption, buttons 23 high) hold at the design font and
// grow with a larger one, so that no caption is covered by the field below
// it and no descender is clipped.
#include <vector>

class QWidget;

struct TEditorRow {
  std::vector<QWidget*> captions;  // side by side, above their fields
  std::vector<QWidget*> fields;
};

// Places the rows and the buttons below them (each keeps its left and
// width) and returns the height the window needs.
int LayOutEditorRows(const std::vector<TEditorRow>& rows, const std::vector<QWidget*>& buttons);
