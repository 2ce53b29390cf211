// SPDX-License-Identifier: GPL-3.0-or-later
// A window restored from the settings lands whole on a screen: huge sizes
// shrink to the screen, places off the edges move in, and a place on a
// screen that is gone moves to the first one.
#include <QtTest>

#include "ui/widgets/screenclamp.h"

class TestScreenClamp : public QObject {
  Q_OBJECT
 private slots:
  void landsWholeOnAScreen_data() {
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");
    const QList<QRect> one{QRect(0, 0, 1280, 800)};
    const QList<QRect> two{QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
    QTest::newRow("inside stays") << QRect(100, 100, 400, 300) << one << QRect(100, 100, 400, 300);
    QTest::newRow("huge width") << QRect(20, 20, 99999, 332) << one << QRect(0, 20, 1280, 332);
    QTest::newRow("huge both") << QRect(-5, -5, 100000, 100000) << one << QRect(0, 0, 1280, 800);
    QTest::newRow("negative place") << QRect(-3000, -2000, 400, 300) << one << QRect(0, 0, 400, 300);
    QTest::newRow("past the right edge") << QRect(1200, 700, 400, 300) << one << QRect(880, 500, 400, 300);
    QTest::newRow("on the second screen") << QRect(2000, 100, 400, 300) << two << QRect(2000, 100, 400, 300);
    QTest::newRow("second screen gone") << QRect(2000, 100, 400, 300) << one << QRect(880, 100, 400, 300);
    QTest::newRow("across both, mostly second") << QRect(1200, 100, 400, 300) << two << QRect(1280, 100, 400, 300);
    QTest::newRow("screen with panel offset") << QRect(0, 0, 300, 200) << QList<QRect>{QRect(0, 30, 1280, 770)}
                                              << QRect(0, 30, 300, 200);
    QTest::newRow("no screen: as asked") << QRect(-50, -50, 10, 10) << QList<QRect>{} << QRect(-50, -50, 10, 10);
  }
  void landsWholeOnAScreen() {
    QFETCH(QRect, wanted);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    QCOMPARE(ClampToScreens(wanted, screens), expected);
  }
};

QTEST_MAIN(TestScreenClamp)
#include "tst_screenclamp.moc"
