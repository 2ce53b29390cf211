// SPDX-License-Identifier: GPL-3.0-or-later
// TzqComboBox remembers where the caret stood when the focus left and puts
// it back there, with nothing selected, when the focus returns.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

#include "ui/widgets/zqStdCtrls.h"

// Every way a text gets into the line: the paste keys, the line's menu, the
// call the window makes, the middle button (the selection; with Shift the line's selection
// stays until the text goes in) and a drop, the last three at the place of
// the click with nothing selected.
enum Way { Key, ShiftInsert, Menu, Call, Middle, ShiftMiddle, Drop };

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

  // A text the line cannot take whole is refused whole, with the same word,
  // whichever way it comes.
  void pastesOfAnyLengthTheLineTakes_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("already");  // the line's text before, all of it selected
    QTest::addColumn<bool>("taken");
    const int limit = TzqComboBox::kMaxTextLength;
    QTest::newRow("short") << 10 << int(Key) << 0 << true;
    QTest::newRow("past the line edit's own 32767") << 40000 << int(Key) << 0 << true;
    QTest::newRow("the same by the call") << 40000 << int(Call) << 0 << true;
    QTest::newRow("at the line's limit") << limit << int(Call) << 0 << true;
    QTest::newRow("past the limit: refused whole") << limit + 1 << int(Key) << 0 << false;
    QTest::newRow("refused by the call too") << limit + 1 << int(Call) << 0 << false;
    QTest::newRow("in place of a selection") << 10 << int(Key) << limit << true;
    QTest::newRow("Shift+Insert") << 10 << int(ShiftInsert) << 5 << true;
    QTest::newRow("Shift+Insert: past the limit") << limit << int(ShiftInsert) << 0 << true;
    QTest::newRow("Shift+Insert: refused") << limit + 1 << int(ShiftInsert) << 0 << false;
    QTest::newRow("the line's menu") << 10 << int(Menu) << 5 << true;
    QTest::newRow("the line's menu: refused") << limit + 1 << int(Menu) << 0 << false;
    QTest::newRow("middle button, short") << 10 << int(Middle) << 5 << true;
    QTest::newRow("middle button: past the limit only with the selected text") << 10 << int(Middle) << limit - 5 << false;
    QTest::newRow("middle button with Shift, short") << 10 << int(ShiftMiddle) << 5 << true;
    QTest::newRow("middle button with Shift: past the limit only with the selected text")
        << 10 << int(ShiftMiddle) << limit - 5 << false;
    QTest::newRow("drop, short") << 10 << int(Drop) << 5 << true;
    QTest::newRow("drop: past the limit only with the selected text") << 10 << int(Drop) << limit - 5 << false;
  }
  void pastesOfAnyLengthTheLineTakes() {
    QFETCH(int, length);
    QFETCH(int, way);
    QFETCH(int, already);
    QFETCH(bool, taken);
    QClipboard* clipboard = QApplication::clipboard();
    if ((way == Middle || way == ShiftMiddle) && !clipboard->supportsSelection())
      QSKIP("no selection on this platform");
    FocusBack();
    QToolTip::hideText();
    const QString before(already, QLatin1Char('2')), text(length, QLatin1Char('1'));
    box->setEditText(before);
    box->lineEdit()->selectAll();
    const QPoint end(box->lineEdit()->width() - 2, box->lineEdit()->height() / 2);  // after the last character
    QMimeData mime;
    mime.setText(text);
    switch (way) {
      case Key: clipboard->setText(text); QTest::keySequence(box, QKeySequence::Paste); break;
      case ShiftInsert: clipboard->setText(text); QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); break;
      case Menu: {
        clipboard->setText(text);
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, end, box->lineEdit()->mapToGlobal(end));
        QApplication::sendEvent(box, &menuEvent);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        // The entry as the user sees it (no catalogue is installed here).
        const auto paste = std::find_if(actions.begin(), actions.end(),
                                        [](QAction* a) { return a->text().startsWith(QLatin1String("&Paste")); });
        QVERIFY(paste != actions.end());
        menu->close();  // as a chosen entry does, before it acts
        (*paste)->trigger();
        break;
      }
      case Call: clipboard->setText(text); box->Paste(); break;
      case Middle:
      case ShiftMiddle:
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(box->lineEdit(), Qt::MiddleButton, way == ShiftMiddle ? Qt::ShiftModifier : Qt::NoModifier,
                          end);
        break;
      case Drop: {
        // The drop goes only to the widget that took the drag's entry.
        QDragEnterEvent enter(end, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(box->lineEdit(), &enter);
        QDropEvent drop(end, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(box->lineEdit(), &drop);
        break;
      }
    }
    const bool replaces = way == Key || way == ShiftInsert || way == Menu || way == Call;
    const QString expected = !taken ? before : replaces ? text : before + text;
    QCOMPARE(box->currentText().size(), expected.size());
    QCOMPARE(box->currentText(), expected);
    QCOMPARE(QToolTip::isVisible(), !taken);
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
