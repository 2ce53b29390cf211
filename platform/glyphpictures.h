// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawings behind the glyphs: each paints itself into a 16 x 16 unit
// square; the caller scales the painter to the pixel size it needs.
class QPainter;

using TGlyphPicture = void (*)(QPainter&);

// The drawing of that glyph name; nullptr for an unknown name.
TGlyphPicture FindGlyphPicture(const char* name);
