// SPDX-License-Identifier: GPL-3.0-or-later
// Native pixels and logical coordinates, screen by screen: a scaled screen
// beside or below another maps from its own corner, a place saved on it
// comes back on it, and a point off every screen goes by the nearest one.
#include <QWindow>
#include <QtTest>

#include "platform/clientorigin.h"
#include "platform/screenmapping.h"

namespace {
// A 1920 x 1080 screen at 0,0 unscaled, a 4K screen to its right at 2x
// (1920 x 1080 logical), and a 1.5x screen below the first.
const std::vector<TScreenMapping> kScreens = {
    {QRect(0, 0, 1920, 1080), QPoint(0, 0), 1.0},
    {QRect(1920, 0, 1920, 1080), QPoint(1920, 0), 2.0},
    {QRect(0, 1080, 1280, 720), QPoint(0, 1080), 1.5},
};
}  // namespace

class TestScreenMapping : public QObject {
  Q_OBJECT

 private slots:
  void nativeToLogical_data() {
    QTest::addColumn<QPoint>("native");
    QTest::addColumn<QPoint>("logical");
    QTest::newRow("unscaled screen") << QPoint(100, 200) << QPoint(100, 200);
    QTest::newRow("scaled screen's corner") << QPoint(1920, 0) << QPoint(1920, 0);
    QTest::newRow("right screen, 2x") << QPoint(2920, 600) << QPoint(2420, 300);
    QTest::newRow("right screen's far corner") << QPoint(5759, 2159) << QPoint(3840, 1080);
    QTest::newRow("lower screen, 1.5x") << QPoint(300, 1380) << QPoint(200, 1280);
    QTest::newRow("left of every screen: the nearest") << QPoint(-30, 50) << QPoint(-30, 50);
    QTest::newRow("right of the 2x screen") << QPoint(5800, 100) << QPoint(3860, 50);
  }
  void nativeToLogical() {
    QFETCH(QPoint, native);
    QFETCH(QPoint, logical);
    QCOMPARE(ScreenAtNative(kScreens, native).ToLogical(native), logical);
  }

  // A place saved on each screen is restored where it was.
  void aPlaceRoundTrips_data() {
    QTest::addColumn<QPoint>("logical");
    QTest::newRow("unscaled") << QPoint(266, 181);
    QTest::newRow("2x, offset right") << QPoint(2500, 400);
    QTest::newRow("1.5x, offset down") << QPoint(640, 1500);
  }
  void aPlaceRoundTrips() {
    QFETCH(QPoint, logical);
    for (const TScreenMapping& screen : kScreens) {
      if (!screen.Logical.contains(logical)) continue;
      const QPoint native = screen.ToNative(logical);
      QVERIFY(screen.Native().contains(native));
      QCOMPARE(ScreenAtNative(kScreens, native).ToLogical(native), logical);
    }
  }

  void noServerToAsk() {
    QWindow window;
    QCOMPARE(ClientOrigin(nullptr), std::optional<QPoint>());
    QCOMPARE(ClientOrigin(&window), std::optional<QPoint>());  // not created
    window.create();
    QCOMPARE(ClientOrigin(&window), std::optional<QPoint>());  // not X11 here
    QCOMPARE(NativeToLogical(QPoint(17, 23)), QPoint(17, 23));  // one unscaled screen at 0,0
  }
};

QTEST_MAIN(TestScreenMapping)
#include "tst_screenmapping.moc"
