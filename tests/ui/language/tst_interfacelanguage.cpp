// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues each interface language installs: the toolkit's own
// dialogs and menus, and the engine's messages by their ids.
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

#include "language/interfacelanguage.h"
#include "language/messagecatalogue.h"

namespace {
QString ActionTexts(QMenu& menu) {
  QStringList texts;
  for (QAction* a : menu.actions()) texts << a->text();
  return texts.join(QLatin1Char('|'));
}
}  // namespace

class TestInterfaceLanguage : public QObject {
  Q_OBJECT
 private slots:
  void toolkitTexts_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("fontCaption");
    QTest::addColumn<QString>("menuText");
    QTest::newRow("ru") << "ru" << "Выбор шрифта" << "&Копировать";
    QTest::newRow("unknown is ru") << "de" << "Выбор шрифта" << "Выделить всё";
    QTest::newRow("en") << "en" << "Select Font" << "&Copy";
  }
  void toolkitTexts() {
    QFETCH(QString, code);
    QFETCH(QString, fontCaption);
    QFETCH(QString, menuText);
    TInterfaceLanguage language(code.toStdString());
    language.Install();
    QFontDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), fontCaption);
    QLineEdit edit(QStringLiteral("1+2"));
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QVERIFY2(ActionTexts(*menu).contains(menuText), qPrintable(ActionTexts(*menu)));
  }

  void messagesByTheirIds_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ru stays") << "ru" << "Деление на нуль" << "Деление на нуль";
    QTest::newRow("en") << "en" << "Деление на нуль" << "Division by zero";
    QTest::newRow("en with its argument") << "en" << "'1e99999' - неверное дробное значение"
                                          << "'1e99999' is not a valid floating-point value";
    QTest::newRow("not a message") << "en" << "Деление" << "Деление";
    QTest::newRow("user text") << "en" << "3,14" << "3,14";
  }
  void messagesByTheirIds() {
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    TInterfaceLanguage language(code.toStdString());
    QCOMPARE(QString::fromStdString(TranslateMessage(text.toStdString(), language.Catalogue())), shown);
    language.Install();
    QCOMPARE(QString::fromStdString(TranslateMessage(text.toStdString())), shown);
  }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
