// SPDX-License-Identifier: GPL-3.0-or-later
// The hyperlink label: its look, its colours through pointer and button
// events, and the address a click hands to the desktop.
#include <QtTest>

#include "ui/widgets/legiblecolor.h"
#include "ui/widgets/zqLink.h"

class TestZqLink : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void constructionLooksLikeALink();
  void settingAColourOnlyStoresIt();
  void everyColourStaysReadableOnADarkDesktop();
  void colourFollowsPointerAndButton();
  void rightButtonChangesNoColour();
  void clickOpensTarget_data();
  void clickOpensTarget();
  void formHandlerRunsBeforeOpening();
  void emptyLinkOnlyReportsTheClick();
  void releaseOutsideIsNoClick();

 private:
  void Enter(TzqLink& link);
  void Leave(TzqLink& link);

  QStringList m_opened;
  QStringList m_order;
};

void TestZqLink::init() {
  m_opened.clear();
  m_order.clear();
  SetLinkOpener([this](const QString& target) {
    m_opened << target;
    m_order << QStringLiteral("open");
  });
}

void TestZqLink::cleanup() { SetLinkOpener({}); }

void TestZqLink::Enter(TzqLink& link) {
  QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QCoreApplication::sendEvent(&link, &event);
}

void TestZqLink::Leave(TzqLink& link) {
  QEvent event(QEvent::Leave);
  QCoreApplication::sendEvent(&link, &event);
}

void TestZqLink::constructionLooksLikeALink() {
  QLabel plain;
  TzqLink link;
  QCOMPARE(link.LinkColor, QColor(0, 0, 255));
  QCOMPARE(link.ALinkColor, QColor(255, 0, 0));
  QCOMPARE(link.DLinkColor, QColor(128, 0, 128));
  QCOMPARE(link.FontColor(), QColor(0, 0, 255));
  QVERIFY(link.font().underline());
  QCOMPARE(link.font().bold(), plain.font().bold());
  QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
  QVERIFY(!link.text().isEmpty());
  QVERIFY(link.URL.isEmpty());
}

void TestZqLink::settingAColourOnlyStoresIt() {
  TzqLink link;
  link.LinkColor = Qt::darkGreen;
  QCOMPARE(link.FontColor(), QColor(0, 0, 255));
  Enter(link);
  Leave(link);
  QCOMPARE(link.FontColor(), QColor(Qt::darkGreen));
}

void TestZqLink::everyColourStaysReadableOnADarkDesktop() {
  TzqLink link;
  QPalette dark = link.palette();
  dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
  link.setPalette(dark);
  for (const QColor& color : {link.LinkColor, link.ALinkColor, link.DLinkColor}) {
    link.SetFontColor(color);
    QVERIFY2(ContrastRatio(link.FontColor(), dark.color(QPalette::Window)) >= 3, qPrintable(color.name()));
  }
}

void TestZqLink::colourFollowsPointerAndButton() {
  TzqLink link;
  link.setText(QStringLiteral("x"));
  link.resize(60, 20);
  Enter(link);
  QCOMPARE(link.FontColor(), QColor(255, 0, 0));
  QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
  QCOMPARE(link.FontColor(), QColor(128, 0, 128));
  QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(5, 5));
  QCOMPARE(link.FontColor(), QColor(128, 0, 128));
  Leave(link);
  QCOMPARE(link.FontColor(), QColor(0, 0, 255));
}

void TestZqLink::rightButtonChangesNoColour() {
  TzqLink link;
  link.resize(60, 20);
  Enter(link);
  QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(5, 5));
  QCOMPARE(link.FontColor(), QColor(255, 0, 0));
  QVERIFY(m_opened.isEmpty());
}

void TestZqLink::clickOpensTarget_data() {
  QTest::addColumn<QString>("url");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("opened");
  QTest::newRow("caption of one space") << "" << " " << "%20";
  QTest::newRow("caption with a space") << "" << "www.example.org/a b" << "www.example.org/a%20b";
  QTest::newRow("two spaces in a row") << "" << "a  b" << "a%20%20b";
  QTest::newRow("no spaces, case kept") << "" << "HTTP://Example.org/X" << "HTTP://Example.org/X";
  QTest::newRow("URL wins over caption") << "http://x.org/p q" << "shown text" << "http://x.org/p%20q";
  QTest::newRow("mailto with subject")
      << "mailto:a@b.org?subject=\"Tamrix\"" << "e-mail: a@b.org" << "mailto:a@b.org?subject=\"Tamrix\"";
  QTest::newRow("percent left alone") << "http://x.org/%20 y" << "" << "http://x.org/%20%20y";
}

void TestZqLink::clickOpensTarget() {
  QFETCH(QString, url);
  QFETCH(QString, caption);
  QFETCH(QString, opened);
  TzqLink link;
  link.URL = url;
  link.setText(caption);
  link.resize(60, 20);
  QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
  QCOMPARE(m_opened, QStringList{opened});
}

void TestZqLink::formHandlerRunsBeforeOpening() {
  TzqLink link;
  link.resize(60, 20);
  connect(&link, &TzqLink::clicked, this, [this] { m_order << QStringLiteral("form"); });
  QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
  QCOMPARE(m_order, (QStringList{QStringLiteral("form"), QStringLiteral("open")}));
}

void TestZqLink::emptyLinkOnlyReportsTheClick() {
  TzqLink link;
  link.setText(QString());
  link.resize(60, 20);
  int clicks = 0;
  connect(&link, &TzqLink::clicked, this, [&] { ++clicks; });
  QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
  QCOMPARE(clicks, 1);
  QVERIFY(m_opened.isEmpty());
}

void TestZqLink::releaseOutsideIsNoClick() {
  TzqLink link;
  link.resize(60, 20);
  QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(200, 5));
  QVERIFY(m_opened.isEmpty());
}

QTEST_MAIN(TestZqLink)
#include "tst_zqlink.moc"
