// SPDX-License-Identifier: GPL-3.0-or-later
// TzqComboBox remembers where the caret stood when the focus left and puts
// it back there, with nothing selected, when the focus returns.
#include <QApplication>
#include <QClipboard>
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

  // The window may be taken down and put up again without the box hearing
  // that it lost the focus; the caret it keeps is still the one last seen.
  void theCaretIsKeptWhileItMoves() {
    FocusBack();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("12*3"));
    QCOMPARE(box->SavedSelStart, 4);
    QTest::keyClick(box->lineEdit(), Qt::Key_Left);
    QCOMPARE(box->SavedSelStart, 3);
    box->lineEdit()->setSelection(4, -3);
    QCOMPARE(box->SavedSelStart, 1);
  }

  // What the catalogue does while the box is still its window's focus
  // widget and another window is active: set the text, then the caret.
  void anInsertionFromAnotherWindowWins() {
    FocusBack();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("1+*2"));
    box->lineEdit()->setCursorPosition(2);
    QWidget catalogue;
    catalogue.show();
    catalogue.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&catalogue));
    QCOMPARE(box->SavedSelStart, 2);
    QString text = box->currentText();
    text.insert(box->SavedSelStart, QStringLiteral("Pi"));
    box->setEditText(text);
    box->SavedSelStart += 2;
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(box->lineEdit()->cursorPosition(), 4);
  }

  void pastesOfAnyLengthTheLineTakes_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<int>("taken");
    QTest::newRow("short") << 10 << true << 10;
    QTest::newRow("past the line edit's own 32767") << 40000 << true << 40000;
    QTest::newRow("the same by the call") << 40000 << false << 40000;
    QTest::newRow("at the line's limit") << TzqComboBox::kMaxTextLength << false << TzqComboBox::kMaxTextLength;
    QTest::newRow("past the limit: refused whole") << TzqComboBox::kMaxTextLength + 1 << true << 0;
    QTest::newRow("refused by the call too") << TzqComboBox::kMaxTextLength + 1 << false << 0;
  }
  void pastesOfAnyLengthTheLineTakes() {
    QFETCH(int, length);
    QFETCH(bool, byKey);
    QFETCH(int, taken);
    FocusBack();
    QApplication::clipboard()->setText(QString(length, QLatin1Char('1')));
    if (byKey)
      QTest::keySequence(box, QKeySequence::Paste);
    else
      box->Paste();
    QCOMPARE(box->currentText().size(), taken);
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
