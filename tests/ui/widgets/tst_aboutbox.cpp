// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its texts and size, the links it carries, and what closes
// it (a click anywhere but the links, Esc) and what does not.
#include <QLabel>
#include <QtTest>

#include "resources/version.h"
#include "ui/widgets/aboutbox.h"
#include "ui/widgets/zqLink.h"

class TestAboutBox : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void textsAndLayout();
  void clickAnywhereButLinksCloses_data();
  void clickAnywhereButLinksCloses();
  void clickOnLinkOpensItAndStaysOpen_data();
  void clickOnLinkOpensItAndStaysOpen();
  void escapeClosesOtherKeysDoNot();

 private:
  TAboutBox* m_box = nullptr;
  QStringList m_opened;
};

void TestAboutBox::init() {
  m_opened.clear();
  SetLinkOpener([this](const QString& target) { m_opened << target; });
  m_box = new TAboutBox;
  m_box->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_box));
}

void TestAboutBox::cleanup() {
  delete m_box;
  SetLinkOpener({});
}

void TestAboutBox::textsAndLayout() {
  QCOMPARE(m_box->windowTitle(), QStringLiteral("О программе Tamrix"));
  // The designed size, grown where the font's texts need more.
  QVERIFY(m_box->width() >= 249 && m_box->height() >= 133);
  QCOMPARE(m_box->ProductName->text(), QStringLiteral("Tamrix"));
  QVERIFY(m_box->ProductName->font().bold());
  QCOMPARE(m_box->ProductName->font().pixelSize(), 21);
  QCOMPARE(m_box->Version->text(), QStringLiteral("Версия ") + QLatin1String(kTamrixVersion));
  QVERIFY(QString::fromLatin1(kTamrixVersion).contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))));
  QVERIFY(m_box->Version->width() >= 82 && m_box->Version->height() >= 16);
  QCOMPARE(m_box->Image->geometry(), QRect(16, 16, 32, 32));
  QVERIFY(!m_box->Image->pixmap().isNull());
  QVERIFY(m_box->Copyright->text().contains(u'\n'));
  QVERIFY(m_box->Copyright->text().contains(QStringLiteral("GPL-3.0-or-later")));
  const QString mail = m_box->zqLink2->text().mid(QStringLiteral("e-mail: ").size());
  QVERIFY(m_box->zqLink2->text().startsWith(QStringLiteral("e-mail: ")));
  QCOMPARE(m_box->zqLink2->URL, QStringLiteral("mailto:") + mail + QStringLiteral("?subject=\"Tamrix\""));
  QVERIFY(m_box->zqLink1->URL.isEmpty());
  QVERIFY(!m_box->zqLink1->text().isEmpty());
  for (TzqLink* link : {m_box->zqLink1, m_box->zqLink2}) {
    QCOMPARE(link->FontColor(), QColor(0, 0, 255));
    QVERIFY(link->font().underline());
    QCOMPARE(link->font().pixelSize(), 13);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
  }
}

void TestAboutBox::clickAnywhereButLinksCloses_data() {
  QTest::addColumn<QString>("where");
  QTest::newRow("window") << "AboutBox";
  QTest::newRow("icon") << "Image";
  QTest::newRow("name") << "ProductName";
  QTest::newRow("version") << "Version";
  QTest::newRow("copyright") << "Copyright";
}

void TestAboutBox::clickAnywhereButLinksCloses() {
  QFETCH(QString, where);
  QWidget* target = where == m_box->objectName() ? m_box : m_box->findChild<QWidget*>(where);
  QVERIFY(target);
  const QPoint inside = target == m_box ? QPoint(5, 125) : QPoint(3, 3);
  // A right click is no click.
  QTest::mouseClick(target, Qt::RightButton, {}, inside);
  QVERIFY(m_box->isVisible());
  QTest::mouseClick(target, Qt::LeftButton, {}, inside);
  QVERIFY(!m_box->isVisible());
  QVERIFY(m_opened.isEmpty());
}

void TestAboutBox::clickOnLinkOpensItAndStaysOpen_data() {
  QTest::addColumn<QString>("link");
  QTest::newRow("mail") << "zqLink2";
  QTest::newRow("web") << "zqLink1";
}

void TestAboutBox::clickOnLinkOpensItAndStaysOpen() {
  QFETCH(QString, link);
  auto* target = m_box->findChild<TzqLink*>(link);
  QVERIFY(target);
  QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
  QVERIFY(m_box->isVisible());
  const QString expected = target->URL.isEmpty() ? target->text() : target->URL;
  QCOMPARE(m_opened, QStringList{expected});
}

void TestAboutBox::escapeClosesOtherKeysDoNot() {
  for (Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_F1, Qt::Key_Tab}) {
    QTest::keyClick(m_box, key);
    QVERIFY2(m_box->isVisible(), qPrintable(QString::number(key, 16)));
  }
  QTest::keyClick(m_box, Qt::Key_Escape);
  QVERIFY(!m_box->isVisible());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
