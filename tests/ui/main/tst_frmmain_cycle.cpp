// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation cycle driven by real keystrokes into the input line, the
// toggles, the history, the clipboard, the format menu and the keys.
#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include "mainfixture.h"
#include "resources/stringtable.h"
#include "ui/main/formatbutton.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
QString Str(int id) { return QString::fromStdString(LoadStr(id)); }

QStringList Outputs(TfrmMain& w) { return {w.edOutput->text(), w.edOutput2->text(), w.edOutput3->text()}; }

QAction* TopItem(TfrmMain& w, int index) {
  for (QAction* a : w.FormatMenu->actions())
    if (a->data().toInt() == index) return a;
  return nullptr;
}

QAction* ScaleItem(TfrmMain& w, int index) {
  QMenu* scales = TopItem(w, 0)->menu();
  return scales ? scales->actions().value(index) : nullptr;
}
}  // namespace

class TestMainCycle : public QObject {
  Q_OBJECT
  std::unique_ptr<TMainFixture> f;
  TfrmMain* w = nullptr;

  void Type(const QString& text) { QTest::keyClicks(w->cbInput->lineEdit(), text); }

 private slots:
  void init() {
    f = std::make_unique<TMainFixture>();
    w = &f->Show();
    w->cbInput->setFocus();
  }
  void cleanup() { f.reset(); }

  void eachKeystrokeShowsTheValueInThreeFormats() {
    // Defaults: "Sci", "D", "O". Each key is evaluated before the next.
    const struct { char key; QStringList fields; } rows[] = {
        {'1', {"1.00000000000000000E+0", "1", "1o"}},
        {'2', {"1.20000000000000000E+1", "12", "14o"}},
        {'*', {Str(strid::SyntaxError), Str(strid::SyntaxError), Str(strid::SyntaxError)}},
        {'3', {"3.60000000000000000E+1", "36", "44o"}},
    };
    for (const auto& row : rows) {
      QTest::keyClick(w->cbInput->lineEdit(), row.key);
      QCOMPARE(Outputs(*w), row.fields);
    }
  }

  void errorTextsAreShownUnchanged() {
    const struct { const char* input; int id; } rows[] = {
        {"1/0", strid::DivisionByZero}, {"(1", strid::MissingBracket}, {"2+", strid::SyntaxError}};
    for (const auto& row : rows) {
      w->cbInput->setEditText({});
      Type(QString::fromLatin1(row.input));
      QCOMPARE(Outputs(*w), QStringList(3, Str(row.id)));
    }
  }

  void aFormatFailureStaysInItsOwnField() {
    Type("2^64");  // octal cannot hold it
    QCOMPARE(w->edOutput2->text(), QStringLiteral("1.84467440737095516E19"));
    QCOMPARE(w->edOutput3->text(), Str(strid::InvalidOp));
  }

  void emptyingTheInputEmptiesTheFields() {
    Type("12");
    QTest::keyClick(w->cbInput->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(w->edOutput2->text(), QStringLiteral("1"));
    QTest::keyClick(w->cbInput->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(Outputs(*w), QStringList(3, QString()));
  }

  void errorsOffLeaveTheFieldsEmptyAndTheToggleWaitsForTheNextEdit() {
    Type("2+");
    QCOMPARE(w->edOutput->text(), Str(strid::SyntaxError));
    QTest::mouseClick(w->btnError, Qt::LeftButton);
    QVERIFY(!w->Parser.ErrorOn);
    QCOMPARE(w->btnError->toolTip(), QStringLiteral("Сообщения об ошибках/Вкл (Ctrl+R)"));
    QCOMPARE(w->edOutput->text(), Str(strid::SyntaxError));  // unchanged until the next evaluation
    Type("+");
    QCOMPARE(Outputs(*w), QStringList(3, QString()));
    QTest::keyClick(w->cbInput->lineEdit(), Qt::Key_Backspace);
    QTest::keyClick(w->cbInput->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(w->edOutput2->text(), QStringLiteral("2"));
    QTest::mouseClick(w->btnError, Qt::LeftButton);
    QVERIFY(w->Parser.ErrorOn);
    QCOMPARE(w->btnError->toolTip(), QStringLiteral("Сообщения об ошибках/Откл (Ctrl+R)"));
  }

  void theAngleToggleEvaluatesAtOnce() {
    QCOMPARE(w->btnAngle->text(), QStringLiteral("°"));
    Type("sin(90)");
    QCOMPARE(w->edOutput2->text(), QStringLiteral("1"));
    QTest::mouseClick(w->btnAngle, Qt::LeftButton);
    QVERIFY(w->Parser.Angle);
    QCOMPARE(w->btnAngle->text(), QStringLiteral("π"));
    QCOMPARE(w->edOutput2->text(), QStringLiteral("0.893996663600557891"));
    QTest::mouseClick(w->btnAngle, Qt::LeftButton);
    QCOMPARE(w->btnAngle->text(), QStringLiteral("°"));
    QCOMPARE(w->edOutput2->text(), QStringLiteral("1"));
  }

  void escEmptiesTheInputButKeepsTheFields() {
    Type("7*6");
    QTest::keyClick(w->cbInput->lineEdit(), Qt::Key_Escape, Qt::ShiftModifier);
    QCOMPARE(w->cbInput->currentText(), QString());
    QCOMPARE(w->edOutput2->text(), QStringLiteral("42"));
  }

  void storeInsertsAtTheTopEvenWhenEmptyOrRepeated() {
    QTest::mouseClick(w->btnStore, Qt::LeftButton);
    Type("1+1");
    QTest::mouseClick(w->btnStore, Qt::LeftButton);
    QTest::mouseClick(w->btnStore, Qt::LeftButton);
    QCOMPARE(w->cbInput->count(), 3);
    QCOMPARE(w->cbInput->itemText(0), QStringLiteral("1+1"));
    QCOMPARE(w->cbInput->itemText(1), QStringLiteral("1+1"));
    QCOMPARE(w->cbInput->itemText(2), QString());
    QCOMPARE(w->cbInput->currentText(), QStringLiteral("1+1"));
    // Enter in the input line does not store.
    QTest::keyClick(w->cbInput->lineEdit(), Qt::Key_Return);
    QCOMPARE(w->cbInput->count(), 3);
  }

  void theArrowKeysWalkTheHistoryFromTheNewest() {
    // The newest entry is the first; the walk counts from the entry the text
    // equals, from before the first when it equals none ("5", "7").
    for (const char* item : {"1+1", "6*7", "2^10"}) w->cbInput->addItem(QString::fromLatin1(item));
    const struct { const char* typed; Qt::Key key; const char* value; } rows[] = {
        {"5", Qt::Key_Down, "2"}, {"", Qt::Key_Down, "42"}, {"", Qt::Key_Down, "1024"}, {"", Qt::Key_Down, "1024"},
        {"", Qt::Key_Up, "42"},   {"", Qt::Key_Up, "2"},    {"", Qt::Key_Up, "2"},      {"7", Qt::Key_Down, "2"}};
    for (const auto& row : rows) {
      if (*row.typed) w->cbInput->setEditText(QString::fromLatin1(row.typed));
      QTest::keyClick(w->cbInput, row.key);
      QCOMPARE(w->edOutput2->text(), QString::fromLatin1(row.value));
    }
    // The open list marks the entry equal to the text, or none.
    for (const auto& [text, row] : {std::pair{"6*7", 1}, std::pair{"2^10", 2}, std::pair{"8", -1}}) {
      w->cbInput->setEditText(QString::fromLatin1(text));
      w->cbInput->showPopup();
      QCOMPARE(w->cbInput->view()->currentIndex().row(), row);
      w->cbInput->hidePopup();
    }
  }

  void everyWriteShowsTheStartOfItsTextAndALongOneAsTooltip() {
    w->resize(320, w->height());
    w->ApplyOutputFont(QFont(QStringLiteral("DejaVu Sans"), 28));
    Type("-123456789*1e300*1e300");
    for (TOutputField* field : {w->edOutput, w->edOutput2, w->edOutput3}) QCOMPARE(field->cursorPosition(), 0);
    QHelpEvent ask(QEvent::ToolTip, QPoint(5, 5), w->edOutput->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w->edOutput, &ask);
    QCOMPARE(w->edOutput->toolTip(), w->edOutput->text());  // too wide
    w->cbInput->setEditText({});
    Type("1");
    QCoreApplication::sendEvent(w->edOutput2, &ask);
    QCOMPARE(w->edOutput2->toolTip(), QString());  // "1" fits
    QTest::mouseClick(w->btnCopy, Qt::LeftButton);
    QCOMPARE(w->edOutput->cursorPosition(), 0);
  }

  void copyTakesTheFirstFieldAsShown() {
    Type("255");
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    QTest::mouseClick(w->btnCopy, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2.55000000000000000E+2"));
    QVERIFY(!w->edOutput->hasSelectedText());
    Type("/0");
    QTest::mouseClick(w->btnCopy, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), Str(strid::DivisionByZero));
  }

  void pasteGoesInAtTheCaretAndEvaluates() {
    Type("2+5");
    w->cbInput->lineEdit()->setCursorPosition(2);
    QGuiApplication::clipboard()->setText(QStringLiteral("3*"));
    QTest::mouseClick(w->btnPaste, Qt::LeftButton);
    QCOMPARE(w->cbInput->currentText(), QStringLiteral("2+3*5"));
    QCOMPARE(w->edOutput2->text(), QStringLiteral("17"));
  }

  void theFormatMenuChoosesEveryCode() {
    Type("1500");
    const struct { int top; int scale; int code; const char* caption; const char* text; } rows[] = {
        {3, -1, 3, "H", "5DCh"},
        {4, -1, 4, "O", "2734o"},
        {5, -1, 5, "B", "10111011100b"},
        {2, -1, 2, "D", "1500"},
        {1, -1, 1, "Sci", "1.50000000000000000E+3"},
        {-1, 0, 0, "Fix", "0.000000000001500000E15"},
        {-1, 4, -4, "Fix", "1.500000000000000000E3"},
        {-1, 5, -5, "Fix", "1500.000000000000000000"},
        {-1, 10, -10, "Fix", "1500.000000000000000000"},  // too large for the scale: unscaled
    };
    for (const auto& row : rows) {
      QTest::mouseClick(w->btnNFormat2, Qt::LeftButton);
      QCOMPARE(w->FormatTarget, w->btnNFormat2);
      QTRY_VERIFY(w->FormatMenu->isVisible());
      QAction* item = row.top >= 0 ? TopItem(*w, row.top) : ScaleItem(*w, row.scale);
      QVERIFY(item);
      item->trigger();
      w->FormatMenu->hide();
      QCOMPARE(w->btnNFormat2->Tag, row.code);
      QCOMPARE(w->btnNFormat2->text(), QString::fromLatin1(row.caption));
      QCOMPARE(w->edOutput2->text(), QString::fromLatin1(row.text));
      QCOMPARE(w->edOutput->text(), QStringLiteral("1.50000000000000000E+3"));  // the others keep theirs
    }
  }

  void theMenuMarksTheCodeOfTheButtonThatOpensIt() {
    w->btnNFormat3->SetCode(0);  // peta
    w->btnNFormatClick(w->btnNFormat3);
    QVERIFY(TopItem(*w, 0)->isChecked());
    QVERIFY(ScaleItem(*w, 0)->isChecked());
    for (int i = 1; i < 6; ++i) QVERIFY(!TopItem(*w, i)->isChecked());
    w->FormatMenu->hide();
    w->btnNFormatClick(w->btnNFormat);  // "Sci"
    QVERIFY(TopItem(*w, 1)->isChecked());
    QVERIFY(!TopItem(*w, 0)->isChecked());
    w->FormatMenu->hide();
    w->btnNFormat->SetCode(42);  // only a hand-edited file brings such a code
    w->btnNFormatClick(w->btnNFormat);
    for (int i = 0; i < 6; ++i) QVERIFY(!TopItem(*w, i)->isChecked());
    w->FormatMenu->hide();
    // Other senders are ignored.
    w->FormatTarget = nullptr;
    w->btnNFormatClick(w->btnStore);
    QCOMPARE(w->FormatTarget, nullptr);
    w->N1Click(TopItem(*w, 3));  // no target: nothing happens
    QCOMPARE(w->btnNFormat->Tag, 42);
  }

  void keysReachTheHooksWhateverTheModifiersAndTheFocusedControl() {
    int func = 0, options = 0;
    w->ShowFunc = [&] { ++func; };
    w->ShowOptions = [&] { ++options; return false; };
    QTest::keyClick(w->cbInput->lineEdit(), Qt::Key_F5, Qt::ControlModifier);
    QTest::keyClick(w->cbInput->lineEdit(), Qt::Key_F7, Qt::AltModifier | Qt::ShiftModifier);
    w->edOutput->setFocus();
    QTest::keyClick(w->edOutput, Qt::Key_F5);
    QCOMPARE(func, 2);
    QCOMPARE(options, 1);
    QTest::mouseClick(w->btnFunc, Qt::LeftButton);
    QTest::mouseClick(w->btnOptions, Qt::LeftButton);
    QCOMPARE(func, 3);
    QCOMPARE(options, 2);
  }

  void aKeyThatOpensAWindowCountsOnce() {
    // A modal window leaves the program without a focus widget until the
    // desktop hands the focus back; the F7 press must not open it twice.
    int options = 0;
    w->ShowOptions = [&] {
      ++options;
      // While the window is open the key is let go, and the focus is gone.
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_F7, Qt::NoModifier);
      QApplication::sendEvent(w->cbInput, &release);
      if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
      return false;
    };
    QTest::keyClick(w->cbInput, Qt::Key_F7);
    QCOMPARE(options, 1);
    QTest::keyClick(w, Qt::Key_F7);  // the next press, with no focus widget
    QCOMPARE(options, 2);
  }

  void switchingProgramsGreysTheFieldsAndComingBackFocusesTheInput() {
    w->edOutput->setFocus();
    w->AppDeactivate();
    for (QWidget* x : {static_cast<QWidget*>(w->cbInput), static_cast<QWidget*>(w->edOutput),
                       static_cast<QWidget*>(w->edOutput2), static_cast<QWidget*>(w->edOutput3)})
      QVERIFY(!x->isEnabled());
    w->AppActivate();
    QVERIFY(w->cbInput->isEnabled() && w->edOutput3->isEnabled());
    QVERIFY(w->cbInput->hasFocus());
  }

  void activationEvaluatesTextSetByTheProgram() {
    w->cbInput->setEditText(QStringLiteral("2*21"));  // as the catalogue inserts
    QCOMPARE(w->edOutput2->text(), QString());
    w->FormActivate();
    QCOMPARE(w->edOutput2->text(), QStringLiteral("42"));
  }
};

QTEST_MAIN(TestMainCycle)
#include "tst_frmmain_cycle.moc"
