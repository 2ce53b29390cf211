// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-ins that window tests use for the desktop services, and the
// switching between them and the real services.
#include <QSignalSpy>
#include <QtTest>

#include "tests/doubles/fakehotkeyservice.h"
#include "platform/helpwindow.h"
#include "platform/qtmessageboxes.h"
#include "tests/doubles/recordinghelpviewer.h"
#include "tests/doubles/scriptedmessageboxes.h"

using Kind = TScriptedMessageBoxes::Kind;
using Combination = TFakeHotKeyService::Combination;

class TestTestDoubles : public QObject {
  Q_OBJECT
 private slots:
  void hotKeyRecordsAndRefuses();
  void hotKeyPressNeedsRegistration();
  void scriptedBoxesAnswerInOrder();
  void scriptedBoxesRecordKinds();
  void messageBoxesOverrideRestores();
  void helpViewerOverrideRestores();
};

void TestTestDoubles::hotKeyRecordsAndRefuses() {
  TFakeHotKeyService keys;
  keys.Refuse(2, 0x7B);
  QVERIFY(keys.Register(1, 'A'));
  QCOMPARE(keys.Registered, Combination({1, 'A'}));
  // A refused combination also lets the earlier one go, as the desktop does.
  QVERIFY(!keys.Register(2, 0x7B));
  QVERIFY(!keys.Registered);
  QVERIFY(keys.Register(4, 0x7B));
  QCOMPARE(keys.Attempts, QList<Combination>({{1, 'A'}, {2, 0x7B}, {4, 0x7B}}));
  keys.Unregister();
  QVERIFY(!keys.Registered);
  QCOMPARE(keys.Unregistrations, 1);
}

void TestTestDoubles::hotKeyPressNeedsRegistration() {
  TFakeHotKeyService keys;
  QSignalSpy activated(&keys, &THotKeyService::activated);
  keys.Press();
  QCOMPARE(activated.count(), 0);
  keys.Register(2, 0x7B);
  keys.Press();
  QCOMPARE(activated.count(), 1);
  keys.Unregister();
  keys.Press();
  QCOMPARE(activated.count(), 1);
}

void TestTestDoubles::scriptedBoxesAnswerInOrder() {
  TScriptedMessageBoxes boxes;
  boxes.Answers = {true, false};
  QVERIFY(boxes.Confirm(nullptr, "first"));
  QVERIFY(!boxes.Confirm(nullptr, "second"));
  QCOMPARE(boxes.Unscripted, 0);
  // Past the script: No, and the question is counted.
  QVERIFY(!boxes.Confirm(nullptr, "third"));
  QCOMPARE(boxes.Unscripted, 1);
  boxes.AnswerWhenUnscripted = true;
  QVERIFY(boxes.Confirm(nullptr, "fourth"));
  QCOMPARE(boxes.Texts(Kind::Confirm), QStringList({"first", "second", "third", "fourth"}));
}

void TestTestDoubles::scriptedBoxesRecordKinds() {
  TScriptedMessageBoxes boxes;
  boxes.Error(nullptr, "Неверное имя переменной или функции");
  boxes.ShowException(nullptr, "Cannot create file x");
  boxes.Beep();
  boxes.Beep();
  QCOMPARE(boxes.Texts(Kind::Error), QStringList({"Неверное имя переменной или функции"}));
  QCOMPARE(boxes.Texts(Kind::Exception), QStringList({"Cannot create file x"}));
  QVERIFY(boxes.Texts(Kind::Confirm).isEmpty());
  QCOMPARE(boxes.Boxes.size(), 2);
  QCOMPARE(boxes.Beeps, 2);
}

void TestTestDoubles::messageBoxesOverrideRestores() {
  QVERIFY(dynamic_cast<TQtMessageBoxes*>(&MessageBoxes()));
  TScriptedMessageBoxes boxes;
  {
    TMessageBoxesOverride use(&boxes);
    QCOMPARE(&MessageBoxes(), &boxes);
    MessageBoxes().Beep();
  }
  QCOMPARE(boxes.Beeps, 1);
  QVERIFY(dynamic_cast<TQtMessageBoxes*>(&MessageBoxes()));
}

void TestTestDoubles::helpViewerOverrideRestores() {
  QVERIFY(dynamic_cast<THelpWindowViewer*>(&HelpViewer()));
  TRecordingHelpViewer viewer;
  {
    THelpViewerOverride use(&viewer);
    HelpViewer().ShowTopic("Tamrix.hlp", 3);
  }
  QCOMPARE(viewer.Requests, QList<TRecordingHelpViewer::Request>({{"Tamrix.hlp", 3}}));
  QVERIFY(dynamic_cast<THelpWindowViewer*>(&HelpViewer()));
}

QTEST_MAIN(TestTestDoubles)
#include "tst_testdoubles.moc"
