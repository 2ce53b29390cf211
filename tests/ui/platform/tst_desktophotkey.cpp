// SPDX-License-Identifier: GPL-3.0-or-later
// Without an X11 desktop (here: the offscreen platform) the program still
// gets a hot-key service; it refuses every combination instead of failing.
#include <QSignalSpy>
#include <QtTest>

#include "platform/hotkey.h"

class TestDesktopHotKey : public QObject {
  Q_OBJECT
 private slots:
  void refusesWithoutX11();
};

void TestDesktopHotKey::refusesWithoutX11() {
  QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
  QObject owner;
  std::unique_ptr<THotKeyService> keys = CreateDesktopHotKeyService(&owner);
  QVERIFY(keys);
  QCOMPARE(keys->parent(), &owner);
  QVERIFY(!keys->Register(2, 0x7B));
  // The settings dialog says how to bind "tamrix --toggle" instead.
  QCOMPARE(keys->KeyChooser(), THotKeyService::TKeyChooser::Nobody);
  keys->Unregister();
  keys.reset();
  QVERIFY(owner.children().isEmpty());
}

QTEST_MAIN(TestDesktopHotKey)
#include "tst_desktophotkey.moc"
