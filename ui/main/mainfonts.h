// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts of the main window. The designed typeface "MS Sans Serif" is rarely
// installed outside Windows, so each font names a short list of look-alike
// families that a Debian desktop has; the first one present is used.
#include <QFont>
#include <QString>

// The window's own font (buttons, tooltips): 11-pixel characters.
QFont WindowFont();
// The font of the input line and the output fields as the settings keep it.
QFont FieldFont(const QString& name, int pointSize, bool bold, bool italic);
// The typeface name the settings keep for a field font (the first family).
QString FieldFontName(const QFont& font);
// Height of an input or output field in that font: 24 pixels for the
// designed size, more for larger fonts.
int FieldHeight(const QFont& font);
