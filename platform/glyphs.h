// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's button glyphs and its icon, drawn as vectors on a 16-pixel
// grid so that they stay sharp at any scale.
//
// Names: "SYSMENU", "ONTOPON", "ONTOPOFF", "COPY", "PASTE", "FUNC",
// "OPTIONS", "ERRORON", "ERROROFF", "DROPON", "DROPOUT", "HELP", "CLOSE",
// "STORE", "MINIMIZE", "DEGREES", "RADIANS", "MAINICON" (the program and
// tray icon).
#include <QIcon>

// The glyph of that name; a null icon for an unknown name.
QIcon Glyph(const char* name);

// The program icon for the windows, offered at every size a desktop asks
// for (taskbar, window switcher, title bars).
QIcon ProgramIcon();
