// SPDX-License-Identifier: GPL-3.0-or-later
// TzqComboBox remembers where the caret stood when the focus left and puts
// it back there, with nothing selected, when the focus returns.
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "ui/widgets/zqStdCtrls.h"

class TestZqComboBox : public QObject {
  Q_OBJECT
  std::unique_ptr<QWidget> window;
  TzqComboBox* box = nullptr;
  QLineEdit* other = nullptr;

  void FocusAway() {
    other->setFocus(Qt::TabFocusReason);
    QVERIFY(other->hasFocus());
  }
  void FocusBack(Qt::FocusReason reason = Qt::TabFocusReason) {
    box->setFocus(reason);
    QVERIFY(box->lineEdit()->hasFocus());
  }

 private slots:
  void init() {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    other = new QLineEdit(window.get());
    box = new TzqComboBox(window.get());
    layout->addWidget(other);
    layout->addWidget(box);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    other->setFocus();
  }
  void cleanup() { window.reset(); }

  void theFirstFocusPutsTheCaretBeforeTheFirstCharacter() {
    QCOMPARE(box->SavedSelStart, 0);
    box->setEditText(QStringLiteral("sin(30)+1"));
    FocusBack();
    QCOMPARE(box->lineEdit()->cursorPosition(), 0);
    QVERIFY(!box->lineEdit()->hasSelectedText());
  }

  void theCaretComesBackWhereItWas() {
    FocusBack();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("12345"));
    box->lineEdit()->setCursorPosition(3);
    FocusAway();
    QCOMPARE(box->SavedSelStart, 3);
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::ActiveWindowFocusReason,
                                   Qt::OtherFocusReason, Qt::ShortcutFocusReason}) {
      FocusBack(reason);
      QCOMPARE(box->lineEdit()->cursorPosition(), 3);
      QVERIFY(!box->lineEdit()->hasSelectedText());
      FocusAway();
    }
    // Typing goes on where it stopped.
    FocusBack();
    QTest::keyClick(box->lineEdit(), 'x');
    QCOMPARE(box->currentText(), QStringLiteral("123x45"));
  }

  void aSelectionComesBackAsACaretAtItsLowerEnd() {
    FocusBack();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("abcdefg"));
    box->lineEdit()->setSelection(5, -3);  // from 5 back to 2
    FocusAway();
    QCOMPARE(box->SavedSelStart, 2);
    FocusBack();
    QCOMPARE(box->lineEdit()->cursorPosition(), 2);
    QVERIFY(!box->lineEdit()->hasSelectedText());
  }

  void aPlaceBeyondTheEndGivesTheEnd() {
    box->setEditText(QStringLiteral("abc"));
    box->SavedSelStart = 99;
    FocusBack();
    QCOMPARE(box->lineEdit()->cursorPosition(), 3);
    FocusAway();
    box->SavedSelStart = -5;
    FocusBack();
    QCOMPARE(box->lineEdit()->cursorPosition(), 0);
  }

  void anotherWindowInsertsAtTheSavedPlace() {
    FocusBack();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("1+*2"));
    box->lineEdit()->setCursorPosition(2);
    FocusAway();
    // What the catalogue does with a chosen name.
    QString text = box->currentText();
    text.insert(box->SavedSelStart, QStringLiteral("Pi"));
    box->setEditText(text);
    box->SavedSelStart += 2;
    FocusBack(Qt::ActiveWindowFocusReason);
    QCOMPARE(box->currentText(), QStringLiteral("1+Pi*2"));
    QCOMPARE(box->lineEdit()->cursorPosition(), 4);
  }

  void enterDoesNotAddToTheList() {
    FocusBack();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("2*2"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(box->count(), 0);
  }
};

QTEST_MAIN(TestZqComboBox)
#include "tst_zqstdctrls.moc"
