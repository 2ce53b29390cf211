// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping a top-level window above the others. Setting the flag re-creates
// a shown window: it is hidden and shown again, and would lose the
// activation, and the caret and the focus frame of its input line with it;
// they are given back here.
class QWidget;

void SetStaysOnTop(QWidget& window, bool on);
// Tells the desktop the window's present wish again. A window that comes
// back from being hidden (the notification area, a minimise) may come back
// as an ordinary one on some window managers.
void ReapplyStaysOnTop(QWidget& window);
