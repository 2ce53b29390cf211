// SPDX-License-Identifier: GPL-3.0-or-later
// The help file's topics and the window that shows them.
#include <QAccessible>
#include <QDialog>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

#include "platform/helpdocument.h"
#include "platform/helpwindow.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/legiblecolor.h"

namespace {
double Contrast(const QColor& a, const QColor& b) { return ContrastRatio(a, b); }
}  // namespace

class TestHelpViewer : public QObject {
  Q_OBJECT
 private slots:
  void topicUrl_data();
  void topicUrl();
  void everyTopicHasItsPage_data();
  void everyTopicHasItsPage();
  void windowShowsTopic();
  void unknownFileSaysSo();
  void usableOverModalDialog();
  void aboveAWindowKeptOnTop();
  void headingsAndHeadersReadOnEveryPalette_data();
  void headingsAndHeadersReadOnEveryPalette();
  void escClosesTheWindow();
  void screenReadersFollowTheLinks_data();
  void screenReadersFollowTheLinks();
};

void TestHelpViewer::topicUrl_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<int>("topic");
  QTest::addColumn<QString>("url");
  QTest::newRow("main window") << "Tamrix.hlp" << 1 << "qrc:/help/topic1.html";
  QTest::newRow("function editor") << "Tamrix.hlp" << 5 << "qrc:/help/topic5.html";
  QTest::newRow("any letter case") << "TAMRIX.HLP" << 2 << "qrc:/help/topic2.html";
  QTest::newRow("with a folder") << "/opt/tamrix/Tamrix.hlp" << 3 << "qrc:/help/topic3.html";
  QTest::newRow("topic 0 gives the first") << "Tamrix.hlp" << 0 << "qrc:/help/topic1.html";
  QTest::newRow("topic 6 gives the first") << "Tamrix.hlp" << 6 << "qrc:/help/topic1.html";
  QTest::newRow("negative topic") << "Tamrix.hlp" << -4 << "qrc:/help/topic1.html";
  QTest::newRow("other file") << "Other.hlp" << 1 << "";
  QTest::newRow("no file") << "" << 1 << "";
  QTest::newRow("name as a prefix") << "Tamrix.hlpx" << 1 << "";
}

void TestHelpViewer::topicUrl() {
  QFETCH(QString, file);
  QFETCH(int, topic);
  QFETCH(QString, url);
  QCOMPARE(HelpTopicUrl(file, topic).toString(), url);
}

void TestHelpViewer::everyTopicHasItsPage_data() {
  QTest::addColumn<int>("topic");
  QTest::addColumn<QStringList>("words");
  QTest::newRow("main window") << 1 << QStringList{"Главное окно", "Приоритет", "SQRT", "FFh", "200+10%", "Control+F12", "Sci",
                                                 "младшие 32 бита", "Control+S", "Control+1", "Control+G", "Control+R",
                                                 "Control+L", "Control+T", "Control+M", "Control+Shift+C"};
  QTest::newRow("catalogue") << 2 << QStringList{"Функции и константы", "Двойной щелчок", "variables.lst", "(Insert)", "(F2)",
                                                "(Delete)", "Esc закрывает", "~/.config/tamrix/"};
  QTest::newRow("settings") << 3 << QStringList{"Настройки", "Клавиши вызова", "Число значащих цифр в числе",
                                               "Язык интерфейса", "~/.config/tamrix/"};
  QTest::newRow("constant editor") << 4 << QStringList{"Константа пользователя", "Имя", "Значение"};
  QTest::newRow("function editor") << 5 << QStringList{"Функция пользователя", "hyp(a,b)"};
}

void TestHelpViewer::everyTopicHasItsPage() {
  QFETCH(int, topic);
  QFETCH(QStringList, words);
  QFile page(":/help/topic" + QString::number(topic) + ".html");
  HelpTopicUrl("Tamrix.hlp", topic);  // links the pages in
  QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
  const QString html = QString::fromUtf8(page.readAll());
  for (const QString& word : words) QVERIFY2(html.contains(word), qPrintable(word));
  // Every page leads to every other one.
  for (int other = 1; other <= kHelpTopicCount; ++other) {
    QVERIFY(html.contains(QString("href=\"topic%1.html\"").arg(other)));
  }
}

void TestHelpViewer::windowShowsTopic() {
  THelpWindowViewer viewer;
  QVERIFY(!viewer.Browser());
  viewer.ShowTopic("Tamrix.hlp", 3);
  QTextBrowser* browser = viewer.Browser();
  QVERIFY(browser);
  QVERIFY(browser->isVisible());
  QCOMPARE(browser->source().toString(), QString("qrc:/help/topic3.html"));
  QVERIFY(browser->toPlainText().contains("Клавиши вызова"));
  // The pages share one stylesheet, which fixes no colour of its own.
  QVERIFY(!browser->document()->toHtml().contains("#2a4f8a"));
  // The same window serves the next request.
  viewer.ShowTopic("Tamrix.hlp", 5);
  QCOMPARE(viewer.Browser(), browser);
  QVERIFY(browser->toPlainText().contains("Функция пользователя"));
  // Links between the topics work inside the window.
  browser->setSource(QUrl("topic2.html"));
  QVERIFY(browser->toPlainText().contains("Двойной щелчок"));
}

void TestHelpViewer::unknownFileSaysSo() {
  THelpViewer* viewer = new THelpWindowViewer;
  viewer->ShowTopic("Other<b>.hlp", 1);
  QTextBrowser* browser = static_cast<THelpWindowViewer*>(viewer)->Browser();
  QVERIFY(browser->toPlainText().contains("Other<b>.hlp"));
  QVERIFY(browser->toPlainText().contains("Не удаётся открыть файл справки"));
  delete viewer;
}

void TestHelpViewer::usableOverModalDialog() {
  THelpWindowViewer viewer;
  QDialog dialog;
  dialog.setModal(true);
  dialog.show();
  QCOMPARE(QApplication::activeModalWidget(), &dialog);
  viewer.ShowTopic("Tamrix.hlp", 3);
  // The help window is the top modal window, so it takes input while the
  // dialog waits.
  QCOMPARE(QApplication::activeModalWidget(), viewer.Browser());
  viewer.Browser()->close();
  dialog.close();
  // Asked for from an ordinary window, the help blocks nothing.
  viewer.ShowTopic("Tamrix.hlp", 1);
  QCOMPARE(viewer.Browser()->windowModality(), Qt::NonModal);
  QVERIFY(viewer.Browser()->isVisible());
  QVERIFY(!QApplication::activeModalWidget());
}

void TestHelpViewer::aboveAWindowKeptOnTop() {
  THelpWindowViewer viewer;
  QWidget onTop;
  onTop.setWindowFlag(Qt::WindowStaysOnTopHint);
  onTop.show();
  QApplication::setActiveWindow(&onTop);
  viewer.ShowTopic("Tamrix.hlp", 1);
  QVERIFY(viewer.Browser()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(viewer.Browser()->isVisible());

  QWidget ordinary;
  ordinary.show();
  QApplication::setActiveWindow(&ordinary);
  viewer.ShowTopic("Tamrix.hlp", 2);
  QVERIFY(!viewer.Browser()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(viewer.Browser()->isVisible());
}

void TestHelpViewer::headingsAndHeadersReadOnEveryPalette_data() {
  QTest::addColumn<QColor>("base");
  QTest::addColumn<QColor>("text");
  QTest::addColumn<QColor>("button");
  QTest::addColumn<QColor>("buttonText");
  QTest::newRow("light") << QColor(255, 255, 255) << QColor(0, 0, 0) << QColor(239, 239, 239) << QColor(0, 0, 0);
  QTest::newRow("dark") << QColor(30, 30, 30) << QColor(230, 230, 230) << QColor(60, 60, 60) << QColor(255, 255, 255);
  QTest::newRow("dark, light buttons")
      << QColor(20, 20, 24) << QColor(240, 240, 240) << QColor(200, 200, 200) << QColor(10, 10, 10);
}

void TestHelpViewer::headingsAndHeadersReadOnEveryPalette() {
  QFETCH(QColor, base);
  QFETCH(QColor, text);
  QFETCH(QColor, button);
  QFETCH(QColor, buttonText);
  const QPalette before = QApplication::palette();
  QPalette palette = before;
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, button);
  palette.setColor(QPalette::ButtonText, buttonText);
  QApplication::setPalette(palette);
  THelpWindowViewer viewer;
  int headings = 0, headers = 0;
  for (int topic = 1; topic <= kHelpTopicCount; ++topic) {
    viewer.ShowTopic("Tamrix.hlp", topic);
    QTextDocument& doc = *viewer.Browser()->document();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
      const QColor page = b.blockFormat().background().style() == Qt::NoBrush
                              ? base
                              : b.blockFormat().background().color();
      QColor cellBack = page;
      if (QTextTable* table = QTextCursor(b).currentTable()) {
        const QTextTableCell cell = table->cellAt(b.position());
        if (cell.format().background().style() != Qt::NoBrush) cellBack = cell.format().background().color();
      }
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        const QColor ink = f.foreground().style() == Qt::NoBrush ? text : f.foreground().color();
        if (b.blockFormat().headingLevel() > 0) {
          ++headings;
          QVERIFY2(Contrast(ink, page) >= 4.5, qPrintable(it.fragment().text()));
        } else if (cellBack != page) {
          ++headers;
          QVERIFY2(Contrast(ink, cellBack) >= 4.5, qPrintable(it.fragment().text()));
        }
      }
    }
  }
  QApplication::setPalette(before);
  QVERIFY(headings >= kHelpTopicCount);
  QVERIFY(headers > 0);
}

void TestHelpViewer::escClosesTheWindow() {
  THelpWindowViewer viewer;
  viewer.ShowTopic("Tamrix.hlp", 2);
  QVERIFY(QTest::qWaitForWindowActive(viewer.Browser()));
  QTest::keyClick(viewer.Browser(), Qt::Key_Escape);
  QVERIFY(!viewer.Browser()->isVisible());
}

void TestHelpViewer::screenReadersFollowTheLinks_data() {
  QTest::addColumn<int>("from");
  QTest::addColumn<int>("to");
  QTest::addColumn<QString>("words");  // of the page the link leads to
  QTest::newRow("main window to catalogue") << 1 << 2 << "Двойной щелчок";
  QTest::newRow("catalogue to settings") << 2 << 3 << "Клавиши вызова";
  QTest::newRow("function editor to main window") << 5 << 1 << "Control+Shift+C";
}

// The page is a document in a window named by its title; its links are
// links whose press opens the page a click opens, and which the reader
// finds anew on the new page.
void TestHelpViewer::screenReadersFollowTheLinks() {
  QFETCH(int, from);
  QFETCH(int, to);
  QFETCH(QString, words);
  InstallAccessibleInterfaces();
  THelpWindowViewer viewer;
  viewer.ShowTopic("Tamrix.hlp", from);
  QTextBrowser* browser = viewer.Browser();
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(browser);
  QCOMPARE(window->role(), QAccessible::Window);
  QCOMPARE(window->text(QAccessible::Name), browser->windowTitle());
  QAccessibleInterface* page = QAccessible::queryAccessibleInterface(browser->viewport());
  QCOMPARE(page->role(), QAccessible::Document);
  QVERIFY(window->indexOfChild(page) >= 0 && page->parent() == window);
  const auto linkTo = [&](int topic) -> QAccessibleInterface* {
    for (int i = 0; i < page->childCount(); ++i)
      if (page->child(i)->text(QAccessible::Value) == QString("topic%1.html").arg(topic)) return page->child(i);
    return nullptr;
  };
  QAccessibleInterface* link = linkTo(to);
  QVERIFY(link);
  QCOMPARE(link->role(), QAccessible::Link);
  QVERIFY(link->state().focusable && link->state().linked && !link->rect().isEmpty());
  QCOMPARE(page->indexOfChild(link) >= 0, true);
  QVERIFY(!link->text(QAccessible::Name).isEmpty());
  QVERIFY(page->textInterface()->text(0, -1).contains(link->text(QAccessible::Name)));
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(browser->source().fileName(), QString("topic%1.html").arg(from));  // the press returns first
  QTRY_COMPARE(browser->source().fileName(), QString("topic%1.html").arg(to));
  QVERIFY(page->textInterface()->text(0, page->textInterface()->characterCount()).contains(words));
  QVERIFY(linkTo(from) && linkTo(from)->isValid());
  QVERIFY(page->childCount() >= kHelpTopicCount);
  // Tab still goes from link to link, and the reader hears which.
  QVERIFY(QTest::qWaitForWindowActive(browser));
  QVERIFY(!page->focusChild());
  QTest::keyClick(browser, Qt::Key_Tab);
  QVERIFY(page->focusChild() && page->focusChild()->role() == QAccessible::Link);
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
