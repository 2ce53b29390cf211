// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard alone: Tab walks the line, the fields
// and every button, never a field hidden behind the upper panel; every
// button has a key that does what its click does; and the input line keeps
// its focus and its caret across the window's own operations.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "mainfixture.h"
#include "tests/ui/keywalk.h"
#include "ui/main/formatbutton.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
TfrmMain& ShowActive(TMainFixture& f) {
  TfrmMain& w = f.Show();
  if (!QTest::qWaitForWindowActive(&w)) qWarning("window not active");
  w.cbInput->setFocus(Qt::ActiveWindowFocusReason);
  return w;
}
}  // namespace

class TestMainKeyboard : public QObject {
  Q_OBJECT

 private slots:
  void tabReachesEveryControlButNoHiddenField_data() {
    QTest::addColumn<bool>("dropOut");
    QTest::addColumn<QStringList>("expected");
    const QStringList top{"btnSys",     "btnOnTop", "btnCopy",  "btnPaste",  "btnFunc",    "btnOptions",
                          "btnAngle",   "btnError", "btnRollUp", "btnHelp",  "btnMinimize", "btnClose"};
    QTest::newRow("lower panel in") << false << (QStringList{"btnStore", "edOutput", "btnNFormat"} + top);
    QTest::newRow("lower panel out")
        << true
        << (QStringList{"btnStore", "edOutput", "btnNFormat", "edOutput2", "btnNFormat2", "edOutput3", "btnNFormat3"} +
            top);
  }
  void tabReachesEveryControlButNoHiddenField() {
    QFETCH(bool, dropOut);
    QFETCH(QStringList, expected);
    TMainFixture f;
    TfrmMain& w = ShowActive(f);
    if (w.DropOut != dropOut) w.btnRollUpClick();
    QCOMPARE(KeyWalk(w.cbInput), expected);
    QCOMPARE(KeyWalk(w.cbInput, true), Reversed(expected));
    // Folding the panel in while a field of it has the keyboard hands the
    // keyboard back to the line.
    if (dropOut) {
      w.edOutput3->setFocus(Qt::TabFocusReason);
      w.btnRollUpClick();
      QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cbInput));
    }
  }

  void everyButtonHasItsKey_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("effect");
    QTest::newRow("store") << QKeySequence("Ctrl+S") << "btnStore" << "history grows";
    QTest::newRow("format 1") << QKeySequence("Ctrl+1") << "btnNFormat" << "format menu";
    QTest::newRow("degrees/radians") << QKeySequence("Ctrl+G") << "btnAngle" << "angle";
    QTest::newRow("error messages") << QKeySequence("Ctrl+R") << "btnError" << "errors";
    QTest::newRow("lower panel") << QKeySequence("Ctrl+L") << "btnRollUp" << "panel";
    QTest::newRow("always on top") << QKeySequence("Ctrl+T") << "btnOnTop" << "on top";
    QTest::newRow("window menu") << QKeySequence("Ctrl+M") << "btnSys" << "window menu";
    QTest::newRow("copy result") << QKeySequence("Ctrl+Shift+C") << "btnCopy" << "copied";
    QTest::newRow("paste") << QKeySequence("Ctrl+Shift+V") << "btnPaste" << "pasted";
  }
  void everyButtonHasItsKey() {
    QFETCH(QKeySequence, key);
    QFETCH(QString, button);
    QFETCH(QString, effect);
    TMainFixture f;
    TfrmMain& w = ShowActive(f);
    QTest::keyClicks(w.cbInput, QStringLiteral("2+3"));
    QApplication::clipboard()->setText(QStringLiteral("*4"));
    const int history = w.cbInput->count();
    const bool angle = w.Parser.Angle, errors = w.Parser.ErrorOn, panel = w.DropOut, onTop = w.OnTop;

    QTest::keySequence(QApplication::focusWidget(), key);

    auto* b = w.findChild<QToolButton*>(button);
    QVERIFY(b);
    QVERIFY2(b->toolTip().contains(key.toString(QKeySequence::NativeText)), qPrintable(b->toolTip()));
    if (effect == "history grows") QCOMPARE(w.cbInput->count(), history + 1);
    if (effect == "format menu") {
      QTRY_VERIFY(w.FormatMenu->isVisible());
      QCOMPARE(w.FormatTarget, w.btnNFormat);
      w.FormatMenu->hide();
    }
    if (effect == "angle") QCOMPARE(w.Parser.Angle, !angle);
    if (effect == "errors") QCOMPARE(w.Parser.ErrorOn, !errors);
    if (effect == "panel") QCOMPARE(w.DropOut, !panel);
    if (effect == "on top") QCOMPARE(w.OnTop, !onTop);
    if (effect == "window menu") {
      QTRY_VERIFY(w.SysMenu->isVisible());
      w.SysMenu->hide();
    }
    if (effect == "copied") QCOMPARE(QApplication::clipboard()->text(), w.edOutput->text());
    if (effect == "pasted") QCOMPARE(w.cbInput->currentText(), QStringLiteral("2+3*4"));
  }

  void theFunctionKeysStayTheWindows() {
    // The keys of the window itself are not given to any button.
    TMainFixture f;
    TfrmMain& w = ShowActive(f);
    QTest::keyClicks(w.cbInput, QStringLiteral("7"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(f.help.Requests.size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(w.cbInput->currentText(), QString());
  }

  // The line keeps the keyboard and the caret across each operation: the
  // next keystroke lands where the last one did.
  void theLineKeepsItsFocusAndCaret_data() {
    QTest::addColumn<QString>("operation");
    for (const char* op : {"always on top", "always on top twice", "lower panel", "store", "angle", "error messages"})
      QTest::newRow(op) << op;
  }
  void theLineKeepsItsFocusAndCaret() {
    QFETCH(QString, operation);
    TMainFixture f;
    TfrmMain& w = ShowActive(f);
    QTest::keyClicks(w.cbInput, QStringLiteral("12*3"));
    if (operation.startsWith("always on top")) {
      QTest::mouseClick(w.btnOnTop, Qt::LeftButton);
      if (operation.endsWith("twice")) QTest::mouseClick(w.btnOnTop, Qt::LeftButton);
    } else if (operation == "lower panel") {
      QTest::mouseClick(w.btnRollUp, Qt::LeftButton);
    } else if (operation == "store") {
      QTest::mouseClick(w.btnStore, Qt::LeftButton);
    } else if (operation == "angle") {
      QTest::mouseClick(w.btnAngle, Qt::LeftButton);
    } else {
      QTest::mouseClick(w.btnError, Qt::LeftButton);
    }
    QVERIFY(w.isVisible());
    // The window (made anew by the pin) keeps the line as its focus widget;
    // a platform without a window manager does not hand the activation back
    // by itself, a desktop does (the end-to-end run checks that).
    QTRY_COMPARE(w.focusWidget(), static_cast<QWidget*>(w.cbInput));
    if (!w.isActiveWindow()) QApplication::setActiveWindow(&w);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cbInput));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("+4"));
    QCOMPARE(w.cbInput->SavedSelStart, 6);
    // Away to another program and back: typing goes on at the end.
    QApplication::setActiveWindow(nullptr);
    w.AppDeactivate();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.AppActivate();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
    QCOMPARE(w.cbInput->currentText(), QStringLiteral("12*3+45"));
  }
};

QTEST_MAIN(TestMainKeyboard)
#include "tst_frmmain_keyboard.moc"
