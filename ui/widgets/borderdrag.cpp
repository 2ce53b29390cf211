// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/borderdrag.h"

#include <QWindow>

Qt::Edges BorderEdgesAt(const QPoint& p, const QSize& size, int border) {
  Qt::Edges edges;
  if (p.x() < border) edges |= Qt::LeftEdge;
  if (p.x() >= size.width() - border) edges |= Qt::RightEdge;
  if (p.y() < border) edges |= Qt::TopEdge;
  if (p.y() >= size.height() - border) edges |= Qt::BottomEdge;
  return edges;
}

void StartBorderDrag(QWindow* window, Qt::Edges edges) {
  if (edges)
    window->startSystemResize(edges);
  else
    window->startSystemMove();
}
