// SPDX-License-Identifier: GPL-3.0-or-later
// A result wider than its field: a number keeps its sign and exponent (or
// base letter) and gives up mantissa digits from the right, marked with
// "…"; a message is cut at its end with "…"; the field keeps the whole
// text for the tooltip and for copying.
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "ui/widgets/outputfield.h"
#include "ui/widgets/resultfit.h"

class TestResultFit : public QObject {
  Q_OBJECT
 private slots:
  void numbersKeepSignAndExponent_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");  // the field is exactly as wide as this
    QTest::newRow("fits") << "4.2E+1" << "4.2E+1";
    QTest::newRow("scientific") << "4.2000000000000000E+1" << "4.2000…E+1";
    QTest::newRow("negative exponent") << "-1.23456789012345678E-15" << "-1.234…E-15";
    QTest::newRow("engineering") << "1234.570000E3" << "1234.5…E3";
    QTest::newRow("decimal comma") << "-0,333333333333333333" << "-0,3333…";
    QTest::newRow("hexadecimal") << "FFFFFFFFh" << "FFF…h";
    QTest::newRow("binary") << "11111111111111111111111111111111b" << "1111…b";
    QTest::newRow("one digit left") << "4.2000000000000000E+1" << "4…E+1";
  }
  void numbersKeepSignAndExponent() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const QFontMetrics fm(QApplication::font());
    QCOMPARE(FitResultText(text, fm.horizontalAdvance(shown), fm), shown);
  }

  void aNumberTooWideForOneDigitStillKeepsItsExponent() {
    const QFontMetrics fm(QApplication::font());
    QCOMPARE(FitResultText(QStringLiteral("-4.2000000000000000E+123"), 1, fm), QStringLiteral("-4…E+123"));
  }

  void messagesShowThatTheyAreCut_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::newRow("recursion") << "Слишком глубокая рекурсия пользовательских функций" << "Слишком";
    QTest::newRow("english") << "The number of arguments is less than required" << "The number";
    QTest::newRow("digits then words") << "12 is not a function" << "12";
  }
  void messagesShowThatTheyAreCut() {
    QFETCH(QString, text);
    QFETCH(QString, start);
    const QFontMetrics fm(QApplication::font());
    const int width = fm.horizontalAdvance(text) * 2 / 3;
    const QString shown = FitResultText(text, width, fm);
    QVERIFY2(shown.startsWith(start) && shown.endsWith(QChar(0x2026)), qPrintable(shown));
    QVERIFY(fm.horizontalAdvance(shown) <= width);
  }

  void theFieldKeepsTheWholeText() {
    TOutputField field;
    field.resize(60, 24);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    const QString text = QStringLiteral("4.2000000000000000E+1");
    field.ShowText(text);
    QVERIFY(field.TextOverflows());
    QCOMPARE(field.text(), text);
    field.selectAll();
    field.copy();
    QCOMPARE(QApplication::clipboard()->text(), text);
    // Painting the cut text does not touch the field's own.
    field.deselect();
    field.repaint();
    QCOMPARE(field.text(), text);
  }
};

QTEST_MAIN(TestResultFit)
#include "tst_resultfit.moc"
