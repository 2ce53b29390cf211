// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Anchoring of child widgets to the edges of their parent, as the windows'
// designed layouts need it: a control anchored left and right stretches with
// its parent, one anchored right (or bottom) moves with that edge, keeping
// the distances it had when it was added or last captured.
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

class TAnchors : public QObject {
  Q_OBJECT
 public:
  enum Side { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

  explicit TAnchors(QObject* owner = nullptr) : QObject(owner) {}

  // Anchors w (which must have a parent widget) to the given sides, keeping
  // its present distances to them. akLeft|akTop is the plain fixed place.
  void Add(QWidget* w, int sides);
  // Takes the present distances again after the program moved or resized w.
  void Capture(QWidget* w);
  // Places every anchored child of parent for parent's present size. Runs by
  // itself whenever an anchored parent is resized.
  void Apply(QWidget* parent);
  // Applies every anchored parent, outer ones first (in the order their
  // first child was added): for code that resizes a window that may not be
  // shown yet, whose resize events are still pending.
  void ApplyAll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TAnchor {
    QPointer<QWidget> widget;
    int sides;
    QMargins distance;  // from the parent's edges: left, top, right, bottom
  };
  TAnchor* Find(QWidget* w);
  static QMargins Distances(QWidget* w);
  std::vector<TAnchor> m_anchors;
};
