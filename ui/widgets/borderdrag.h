// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving and sizing a window that has no caption bar and no frame of the
// desktop's: a press on its background hands the drag to the desktop, as a
// press on a caption or on a frame would.
#include <QPoint>
#include <QSize>

class QWindow;

// The edges whose sizing border (border pixels wide, inside the window of
// that size) the point p lies on; none in the middle, two at a corner.
Qt::Edges BorderEdgesAt(const QPoint& p, const QSize& size, int border);

// Starts the desktop's sizing at edges, or its move when edges is empty.
void StartBorderDrag(QWindow* window, Qt::Edges edges);
