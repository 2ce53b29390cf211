// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/anchors.h"

#include <QEvent>
#include <algorithm>

QMargins TAnchors::Distances(QWidget* w) {
  const QRect r = w->geometry();
  const QSize p = w->parentWidget()->size();
  return {r.left(), r.top(), p.width() - r.right() - 1, p.height() - r.bottom() - 1};
}

TAnchors::TAnchor* TAnchors::Find(QWidget* w) {
  for (auto& a : m_anchors)
    if (a.widget == w) return &a;
  return nullptr;
}

void TAnchors::Add(QWidget* w, int sides) {
  if (!w || !w->parentWidget()) return;
  if (TAnchor* a = Find(w)) {
    a->sides = sides;
    a->distance = Distances(w);
    return;
  }
  m_anchors.push_back({w, sides, Distances(w)});
  w->parentWidget()->installEventFilter(this);
}

void TAnchors::Capture(QWidget* w) {
  if (TAnchor* a = Find(w); a && w->parentWidget()) a->distance = Distances(w);
}

void TAnchors::Apply(QWidget* parent) {
  const QSize p = parent->size();
  for (const auto& a : m_anchors) {
    QWidget* w = a.widget;
    if (!w || w->parentWidget() != parent) continue;
    QRect r = w->geometry();
    const QMargins& d = a.distance;
    if ((a.sides & akLeft) && (a.sides & akRight)) {
      r.setLeft(d.left());
      r.setWidth(qMax(0, p.width() - d.left() - d.right()));
    } else if (a.sides & akRight) {
      r.moveLeft(p.width() - d.right() - r.width());
    }
    if ((a.sides & akTop) && (a.sides & akBottom)) {
      r.setTop(d.top());
      r.setHeight(qMax(0, p.height() - d.top() - d.bottom()));
    } else if (a.sides & akBottom) {
      r.moveTop(p.height() - d.bottom() - r.height());
    }
    if (r != w->geometry()) w->setGeometry(r);
  }
}

void TAnchors::ApplyAll() {
  std::vector<QWidget*> parents;
  for (const auto& a : m_anchors) {
    QWidget* p = a.widget ? a.widget->parentWidget() : nullptr;
    if (p && std::find(parents.begin(), parents.end(), p) == parents.end()) parents.push_back(p);
  }
  for (QWidget* p : parents) Apply(p);
}

bool TAnchors::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched->isWidgetType())
    Apply(static_cast<QWidget*>(watched));
  return QObject::eventFilter(watched, event);
}
