// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the catalogue's own buttons, painted in code on a
// 16-pixel design grid and rendered at 1x and 2x. Help and Close use the
// program's common glyphs.
#include <QIcon>

QIcon AddGlyph();     // a green plus
QIcon ChangeGlyph();  // a pencil
QIcon DeleteGlyph();  // a red cross
