// SPDX-License-Identifier: GPL-3.0-or-later
// TAnchors keeps controls at their distances from the anchored edges.
#include <QtTest>

#include "ui/widgets/anchors.h"

class TestAnchors : public QObject {
  Q_OBJECT

 private slots:
  void controlsFollowTheirAnchoredEdges() {
    QWidget parent;
    parent.resize(400, 200);
    auto* fixed = new QWidget(&parent);
    auto* stretch = new QWidget(&parent);
    auto* right = new QWidget(&parent);
    auto* bottom = new QWidget(&parent);
    auto* both = new QWidget(&parent);
    const struct { QWidget* w; QRect at; int sides; QRect after; } rows[] = {
        {fixed, {10, 10, 50, 20}, TAnchors::akLeft | TAnchors::akTop, {10, 10, 50, 20}},
        {stretch, {2, 32, 363, 24}, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight, {2, 32, 463, 24}},
        {right, {366, 2, 24, 24}, TAnchors::akTop | TAnchors::akRight, {466, 2, 24, 24}},
        {bottom, {0, 150, 400, 40}, TAnchors::akLeft | TAnchors::akRight | TAnchors::akBottom, {0, 210, 500, 40}},
        {both, {5, 5, 10, 10}, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight | TAnchors::akBottom,
         {5, 5, 110, 70}},
    };
    TAnchors anchors;
    for (const auto& row : rows) {
      row.w->setGeometry(row.at);
      anchors.Add(row.w, row.sides);
    }
    parent.resize(500, 260);
    anchors.Apply(&parent);
    for (const auto& row : rows) QCOMPARE(row.w->geometry(), row.after);
    parent.resize(400, 200);
    anchors.Apply(&parent);
    for (const auto& row : rows) QCOMPARE(row.w->geometry(), row.at);
  }

  void aResizedParentAppliesByItselfOnceShown() {
    QWidget parent;
    parent.resize(300, 100);
    auto* right = new QWidget(&parent);
    right->setGeometry(270, 0, 20, 20);
    TAnchors anchors;
    anchors.Add(right, TAnchors::akTop | TAnchors::akRight);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    parent.resize(350, 100);
    QTRY_COMPARE(right->x(), 320);
  }

  void captureTakesTheNewDistances() {
    QWidget parent;
    parent.resize(300, 100);
    auto* panel = new QWidget(&parent);
    panel->setGeometry(0, 30, 300, 60);
    TAnchors anchors;
    anchors.Add(panel, TAnchors::akLeft | TAnchors::akRight | TAnchors::akBottom);
    panel->move(0, 36);  // moved by the program
    anchors.Capture(panel);
    parent.resize(300, 160);
    anchors.Apply(&parent);
    QCOMPARE(panel->y(), 96);
  }
};

QTEST_MAIN(TestAnchors)
#include "tst_anchors.moc"
