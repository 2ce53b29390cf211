// SPDX-License-Identifier: GPL-3.0-or-later
// The painted glyphs: every name the windows use exists, draws something,
// tells its states apart and is drawn afresh at 2x.
#include <QPainter>
#include <QtTest>

#include "platform/glyphs.h"

namespace {

const char* const kNames[] = {"SYSMENU", "ONTOPON", "ONTOPOFF", "COPY",   "PASTE",
                              "FUNC",    "OPTIONS", "ERRORON",  "ERROROFF", "DROPON",
                              "DROPOUT", "HELP",    "CLOSE",    "STORE",  "MAINICON",
                              "MINIMIZE", "DEGREES", "RADIANS"};

QImage Render(const char* name, int pixels, QIcon::Mode mode = QIcon::Normal) {
  return Glyph(name).pixmap(QSize(pixels, pixels), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

int InkedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0;
  }
  return count;
}

}  // namespace

class TestGlyphs : public QObject {
  Q_OBJECT
 private slots:
  void everyNameDraws_data();
  void everyNameDraws();
  void unknownNameIsNull();
  void statesDiffer_data();
  void statesDiffer();
  void doubleScaleIsRedrawn();
  void disabledIsGreyed();
};

void TestGlyphs::everyNameDraws_data() {
  QTest::addColumn<QString>("name");
  for (const char* name : kNames) QTest::newRow(name) << QString(name);
}

void TestGlyphs::everyNameDraws() {
  QFETCH(QString, name);
  const QByteArray key = name.toLatin1();
  QVERIFY(!Glyph(key.constData()).isNull());
  const QImage small = Render(key.constData(), 16);
  QCOMPARE(small.size(), QSize(16, 16));
  // Something is drawn, and it is a picture, not a filled square.
  const int inked = InkedPixels(small);
  QVERIFY2(inked > 20, qPrintable(QString::number(inked)));
  QVERIFY2(inked < 256, qPrintable(QString::number(inked)));
}

void TestGlyphs::unknownNameIsNull() {
  QVERIFY(Glyph("NOSUCH").isNull());
  QVERIFY(Glyph("ontopon").isNull());
  QVERIFY(Glyph("").isNull());
  QVERIFY(Glyph(nullptr).isNull());
}

void TestGlyphs::statesDiffer_data() {
  QTest::addColumn<QString>("on");
  QTest::addColumn<QString>("off");
  QTest::newRow("on top") << "ONTOPON" << "ONTOPOFF";
  QTest::newRow("errors") << "ERRORON" << "ERROROFF";
  QTest::newRow("panel") << "DROPON" << "DROPOUT";
  QTest::newRow("angle") << "DEGREES" << "RADIANS";
}

void TestGlyphs::statesDiffer() {
  QFETCH(QString, on);
  QFETCH(QString, off);
  QVERIFY(Render(on.toLatin1().constData(), 16) != Render(off.toLatin1().constData(), 16));
}

void TestGlyphs::doubleScaleIsRedrawn() {
  // A 32-pixel request gets a 32-pixel drawing with finer detail than the
  // 16-pixel one blown up.
  for (const char* name : kNames) {
    const QImage big = Render(name, 32);
    QCOMPARE(big.size(), QSize(32, 32));
    const QImage blownUp = Render(name, 16).scaled(32, 32);
    QVERIFY2(big != blownUp, name);
    QVERIFY2(InkedPixels(big) > 2 * InkedPixels(Render(name, 16)), name);
  }
}

void TestGlyphs::disabledIsGreyed() {
  QVERIFY(Render("HELP", 16, QIcon::Disabled) != Render("HELP", 16));
}

QTEST_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
