// SPDX-License-Identifier: GPL-3.0-or-later
// Which sizing edges a press on a caption-less window lands on.
#include <QtTest>

#include "ui/widgets/borderdrag.h"

class TestBorderDrag : public QObject {
  Q_OBJECT
 private slots:
  void edgesAt_data();
  void edgesAt();
};

void TestBorderDrag::edgesAt_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<int>("edges");
  // A window of 100 x 50 with a border of 4 pixels: 0-3 and 96-99 across,
  // 0-3 and 46-49 down.
  const int none = 0;
  QTest::newRow("middle") << QPoint(50, 25) << none;
  QTest::newRow("left, last pixel") << QPoint(3, 25) << int(Qt::LeftEdge);
  QTest::newRow("left, first inner pixel") << QPoint(4, 25) << none;
  QTest::newRow("right, first pixel") << QPoint(96, 25) << int(Qt::RightEdge);
  QTest::newRow("right, last inner pixel") << QPoint(95, 25) << none;
  QTest::newRow("top") << QPoint(50, 3) << int(Qt::TopEdge);
  QTest::newRow("below the top") << QPoint(50, 4) << none;
  QTest::newRow("bottom") << QPoint(50, 46) << int(Qt::BottomEdge);
  QTest::newRow("above the bottom") << QPoint(50, 45) << none;
  QTest::newRow("top left corner") << QPoint(0, 0) << int(Qt::LeftEdge | Qt::TopEdge);
  QTest::newRow("bottom right corner") << QPoint(99, 49) << int(Qt::RightEdge | Qt::BottomEdge);
  QTest::newRow("outside, left of it") << QPoint(-5, 25) << int(Qt::LeftEdge);
}

void TestBorderDrag::edgesAt() {
  QFETCH(QPoint, point);
  QFETCH(int, edges);
  QCOMPARE(int(BorderEdgesAt(point, QSize(100, 50), 4)), edges);
}

QTEST_MAIN(TestBorderDrag)
#include "tst_borderdrag.moc"
