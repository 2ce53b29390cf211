// SPDX-License-Identifier: GPL-3.0-or-later
// The global hot key on a real X server: grab, press, refusal when another
// client holds the combination, release. It presses keys, so it runs only on
// a private display (TAMRIX_PRIVATE_DISPLAY set, as the Xvfb registration in
// tests/e2e does) and skips anywhere else.
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include "platform/x11hotkeyservice.h"

namespace {

constexpr quint16 kControl = 2, kShift = 4, kAlt = 1;
constexpr quint16 kF12 = 0x7B, kF11 = 0x7A;

// Runs xdotool; a loaded Xvfb now and then turns a new connection away, so
// a failure to connect is tried again.
void Xdotool(const QStringList& args) {
  int status = -1;
  for (int attempt = 0; attempt < 5 && status != 0; ++attempt) {
    if (attempt > 0) QTest::qWait(50);
    status = QProcess::execute("xdotool", args);
  }
  QCOMPARE(status, 0);
}

void Press(const QString& keys) { Xdotool({"key", keys}); }

}  // namespace

class TestX11HotKey : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void pressEmitsActivated();
  void locksDoNotMatter();
  void otherCombinationsPassBy();
  void heldKeyCountsOnce();
  void takenCombinationIsRefused();
  void unregisterReleases();
  void keyWithoutSymbolIsRefused();
  void noServerRefuses();
};

void TestX11HotKey::initTestCase() {
  if (qEnvironmentVariableIsEmpty("TAMRIX_PRIVATE_DISPLAY")) QSKIP("needs a private X display");
  if (qEnvironmentVariableIsEmpty("DISPLAY")) QSKIP("no X display");
  if (QStandardPaths::findExecutable("xdotool").isEmpty()) QSKIP("xdotool missing");
}

void TestX11HotKey::pressEmitsActivated() {
  TX11HotKeyService keys;
  QVERIFY(keys.IsConnected());
  QSignalSpy activated(&keys, &THotKeyService::activated);
  QVERIFY(keys.Register(kControl, kF12));
  Press("ctrl+F12");
  QTRY_COMPARE(activated.count(), 1);
  Press("ctrl+F12");
  QTRY_COMPARE(activated.count(), 2);
}

void TestX11HotKey::locksDoNotMatter() {
  TX11HotKeyService keys;
  QSignalSpy activated(&keys, &THotKeyService::activated);
  QVERIFY(keys.Register(kAlt | kShift, kF11));
  Press("Caps_Lock");
  Press("alt+shift+F11");
  Press("Caps_Lock");
  QTRY_COMPARE(activated.count(), 1);
  Press("Num_Lock");
  Press("alt+shift+F11");
  Press("Num_Lock");
  QTRY_COMPARE(activated.count(), 2);
}

void TestX11HotKey::otherCombinationsPassBy() {
  TX11HotKeyService keys;
  QSignalSpy activated(&keys, &THotKeyService::activated);
  QVERIFY(keys.Register(kControl, kF12));
  Press("F12");
  Press("shift+F12");
  Press("ctrl+shift+F12");
  Press("ctrl+F11");
  Press("ctrl+F12");  // the one that counts, last: the others came before it
  QTRY_COMPARE(activated.count(), 1);
  QTest::qWait(100);
  QCOMPARE(activated.count(), 1);
}

void TestX11HotKey::heldKeyCountsOnce() {
  TX11HotKeyService keys;
  QSignalSpy activated(&keys, &THotKeyService::activated);
  QVERIFY(keys.Register(kControl, kF12));
  // Held past the keyboard's repeat delay (660 ms on Xvfb): the server
  // repeats the key, the service reports one press.
  Xdotool({"keydown", "ctrl+F12", "sleep", "1.2", "keyup", "F12", "keyup", "ctrl"});
  QTRY_COMPARE(activated.count(), 1);
  QTest::qWait(100);
  QCOMPARE(activated.count(), 1);
  Press("ctrl+F12");
  QTRY_COMPARE(activated.count(), 2);
}

void TestX11HotKey::takenCombinationIsRefused() {
  TX11HotKeyService first;
  TX11HotKeyService second;  // another program on the same desktop
  QSignalSpy firstActivated(&first, &THotKeyService::activated);
  QSignalSpy secondActivated(&second, &THotKeyService::activated);
  QVERIFY(first.Register(kControl, kF12));
  QVERIFY(!second.Register(kControl, kF12));
  // The refusal left the first holder's key working and took nothing away.
  Press("ctrl+F12");
  QTRY_COMPARE(firstActivated.count(), 1);
  QCOMPARE(secondActivated.count(), 0);
  // Another combination is still free for the second one.
  QVERIFY(second.Register(kControl | kShift, kF12));
}

void TestX11HotKey::unregisterReleases() {
  TX11HotKeyService first;
  TX11HotKeyService second;
  QSignalSpy firstActivated(&first, &THotKeyService::activated);
  QVERIFY(first.Register(kControl, kF12));
  first.Unregister();
  Press("ctrl+F12");
  QTest::qWait(100);
  QCOMPARE(firstActivated.count(), 0);
  QVERIFY(second.Register(kControl, kF12));
  // Registering another key lets the earlier grab go as well.
  QVERIFY(second.Register(kControl, kF11));
  QVERIFY(first.Register(kControl, kF12));
  // And the service's end releases its grab.
  { TX11HotKeyService third; QVERIFY(third.Register(kAlt, kF12)); }
  QVERIFY(first.Register(kAlt, kF12));
}

void TestX11HotKey::keyWithoutSymbolIsRefused() {
  TX11HotKeyService keys;
  QVERIFY(!keys.Register(kControl, 0));
  QVERIFY(!keys.Register(kControl, 0x07));
}

void TestX11HotKey::noServerRefuses() {
  TX11HotKeyService keys(":4711");
  QVERIFY(!keys.IsConnected());
  QVERIFY(!keys.Register(kControl, kF12));
  keys.Unregister();
}

QTEST_MAIN(TestX11HotKey)
#include "tst_x11hotkey.moc"
