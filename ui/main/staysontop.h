// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping a top-level window above the others, without taking it down.
// Setting the flag through QWidget re-creates a shown window: it is hidden
// and shown again, loses the activation, and the caret and the focus frame
// of its input line with it. On a window that is up, the flag goes to the
// native window directly instead, which the desktop applies in place.
class QWidget;

void SetStaysOnTop(QWidget& window, bool on);
// Tells the desktop the window's present wish again. A window that comes
// back from being hidden (the notification area, a minimise) may come back
// as an ordinary one on some window managers.
void ReapplyStaysOnTop(QWidget& window);
