// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues each interface language installs: the toolkit's own
// dialogs and menus, and the engine's messages by their ids; and the switch
// of the settings dialog, which changes every window at once.
#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <functional>
#include <memory>

#include "language/interfacelanguage.h"
#include "language/messagecatalogue.h"
#include "engine/functable.h"
#include "format/formatmenu.h"
#include "resources/stringtable.h"
#include "platform/helpwindow.h"
#include "tests/doubles/fakehotkeyservice.h"
#include "tests/doubles/scriptedmessageboxes.h"
#include "ui/catalogue/frmedit.h"
#include "ui/main/formatbutton.h"
#include "ui/main/programwindows.h"
#include "ui/widgets/errordisplay.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
// The storage layer's messages and their keys in the catalogue.
const std::pair<TStorageMessageId, const char*> kStorageKeys[] = {
    {TStorageMessageId::UnableToWrite, "UnableToWrite"},
    {TStorageMessageId::CannotCreateFile, "CannotCreateFile"},
    {TStorageMessageId::StreamReadError, "StreamReadError"},
};

// A catalogue whose every text names its key, so that a message shown
// through it tells which key it was looked up by.
class TKeyNamingTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* key, const char*, int) const override {
    return QStringLiteral("%1/%2: %s").arg(QLatin1String(context), QLatin1String(key));
  }
  bool isEmpty() const override { return false; }
};

QString ActionTexts(QMenu& menu) {
  QStringList texts;
  for (QAction* a : menu.actions()) texts << a->text();
  return texts.join(QLatin1Char('|'));
}

// Chooses code in the settings dialog the main window opens, then OK or Cancel.
void ChooseLanguage(TProgramWindows& windows, const char* code, bool ok) {
  QTimer::singleShot(0, [&windows, code, ok] {
    windows.frmOptions.cbLanguage->setCurrentIndex(windows.frmOptions.cbLanguage->findData(QString::fromLatin1(code)));
    QTest::mouseClick(ok ? windows.frmOptions.btnOk : windows.frmOptions.btnCancel, Qt::LeftButton);
  });
  windows.frmMain.btnOptionsClick();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
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
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("arg");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ru stays") << "ru" << strid::DivisionByZero << "" << "Деление на нуль";
    QTest::newRow("en") << "en" << strid::DivisionByZero << "" << "Division by zero";
    QTest::newRow("en with its argument") << "en" << strid::InvalidFloat << "1e99999"
                                          << "'1e99999' is not a valid floating-point value";
    // An argument is never read as a message of its own.
    QTest::newRow("argument in the table's words") << "en" << strid::InvalidFloat << "Деление на нуль"
                                                   << "'Деление на нуль' is not a valid floating-point value";
  }
  void messagesByTheirIds() {
    QFETCH(QString, code);
    QFETCH(int, id);
    QFETCH(QString, arg);
    QFETCH(QString, shown);
    const TZQMessage message{id, arg.toStdString()};
    TInterfaceLanguage language(code.toStdString());
    QCOMPARE(QString::fromStdString(MessageText(message, language.Catalogue())), shown);
    language.Install();
    QCOMPARE(QString::fromStdString(MessageText(message)), shown);
  }

  // What the core names by id or by table has its English: a message id, a
  // storage message, a built-in function's description and category, a
  // format's menu text; a new one without it fails here.
  // A storage failure reaches the windows' display by its id and path, not
  // by its text read back.
  void storageFailuresAreShownByTheirIds() {
    TKeyNamingTranslator keys;
    QVERIFY(QCoreApplication::installTranslator(&keys));
    for (const auto& [id, key] : kStorageKeys) {
      const EStorageError failure(id, "/d/f");
      QCOMPARE(QString::fromStdString(ErrorText(failure)), QStringLiteral("Message/%1: /d/f").arg(key));
    }
    const std::runtime_error other("Unable to write to /d/f");  // the words alone are no storage failure
    QCOMPARE(QString::fromStdString(ErrorText(other)), QStringLiteral("Unable to write to /d/f"));
    QCoreApplication::removeTranslator(&keys);
    // With no catalogue for it, storage's own words.
    const EStorageError failure(TStorageMessageId::StreamReadError, "/d/f");
    QCOMPARE(QString::fromStdString(ErrorText(failure)), QStringLiteral("Stream read error: /d/f"));
  }

  void everyCoreTextHasItsEnglish() {
    TInterfaceLanguage language("en");
    const QTranslator& en = language.Catalogue();
    for (int id : StringTableIds()) {
      const std::string russian = FormatStr(id, "x");
      const std::string english = MessageText({id, "x"}, en);
      QVERIFY2(!english.empty() && english != russian, russian.c_str());
    }
    for (const auto& [id, key] : kStorageKeys) {
      const QString english = en.translate("Message", key);
      QVERIFY2(!english.isEmpty() && english != QLatin1String(key), key);
      // By its id, the catalogue's English with the path; the same words as
      // storage's own.
      QCOMPARE(QString::fromStdString(MessageText(TStorageMessage{id, "/d/f"}, en)),
               QString(english).replace(QStringLiteral("%s"), QStringLiteral("/d/f")));
      QCOMPARE(MessageText(TStorageMessage{id, "/d/f"}, en), StorageMessageText({id, "/d/f"}));
    }
    for (const TFunc& f : FuncTable) {
      QVERIFY2(!en.translate("FunctionDescription", f.Name).isEmpty(), f.Name);
      const char* category = *f.Category ? f.Category : "Другие";
      QVERIFY2(!en.translate("FunctionCategory", category).isEmpty(), category);
    }
    for (int i = 0; i < kFormatMenuTopCount; ++i)
      QVERIFY(!en.translate("FormatMenu", QByteArray::number(i).constData()).isEmpty());
    for (int i = 0; i < kEngineeringScaleCount; ++i)
      QVERIFY(!en.translate("EngineeringScale", QByteArray::number(i).constData()).isEmpty());
  }

  void theSettingsDialogSwitchesEveryWindow() {
    QTemporaryDir dir;
    TFakeHotKeyService hotKey;
    TProgramWindows windows(dir.path().toStdString() + "/", &hotKey);
    THelpWindowViewer help;
    TScriptedMessageBoxes boxes;
    const TMessageBoxesOverride boxesInForce(&boxes);
    TfrmMain& frmMain = windows.frmMain;
    frmMain.Parser.ErrorOn = true;
    frmMain.show();
    frmMain.cbInput->setEditText(QStringLiteral("1/0"));
    frmMain.cbInputChange();
    help.ShowTopic(QStringLiteral("Tamrix.hlp"), 1);
    QMenu* scales = frmMain.FormatMenu->actions().at(0)->menu();
    const struct {
      std::function<QString()> shown;
      QString russian, english;
    } rows[] = {
        {[&] { return frmMain.btnCopy->toolTip(); }, "Копировать результат\nв буфер обмена (Ctrl+Shift+C)",
         "Copy the result\nto the clipboard (Ctrl+Shift+C)"},
        {[&] { return frmMain.btnOnTop->toolTip(); }, "Поверх всех окон/Вкл (Ctrl+T)",
         "Always on top: switch on (Ctrl+T)"},
        {[&] { return frmMain.btnError->toolTip(); }, "Сообщения об ошибках/Откл (Ctrl+R)",
         "Error messages: switch off (Ctrl+R)"},
        {[&] { return frmMain.FormatMenu->actions().at(3)->text(); }, "Шестнадцатеричный", "Hexadecimal"},
        {[&] { return TfrmMain::tr("Закрыть Tamrix"); }, "Закрыть Tamrix", "Close Tamrix?"},
        {[&] { return scales->actions().at(0)->text(); }, "пета (10^15)", "peta (10^15)"},
        {[&] { return frmMain.TrayMenu->actions().at(0)->text(); }, "Активизировать", "Open"},
        {[&] { return frmMain.edOutput->text(); }, "Деление на нуль", "Division by zero"},
        {[&] { return windows.frmOptions.btnCancel->text(); }, "Отмена", "Cancel"},
        {[&] { return windows.aboutBox.windowTitle(); }, "О программе Tamrix", "About Tamrix"},
        {[&] { return help.Browser()->documentTitle(); }, "Главное окно", "Main window"},
        // A value the octal field cannot hold: the format's own message.
        {[&] {
           frmMain.cbInput->setEditText(QStringLiteral("1e30"));
           frmMain.cbInputChange();
           const QString shown = frmMain.edOutput3->text();
           frmMain.cbInput->setEditText(QStringLiteral("1/0"));
           frmMain.cbInputChange();
           return shown;
         },
         "Неверная операция с дробными числами", "Invalid floating-point operation"},
        // The entry editor refusing a value that does not evaluate: the
        // engine's word comes in the interface's language.
        {[&] {
           TfrmEdit& editor = windows.frmEdit;
           editor.ConstMode = true;
           editor.edName->setText(QStringLiteral("x1"));
           editor.edValue->setText(QStringLiteral("1/0"));
           boxes.Boxes.clear();
           editor.accept();
           return boxes.Texts(TScriptedMessageBoxes::Kind::Exception).join(QLatin1Char('|'));
         },
         "Ошибка в значении: Деление на нуль.", "Error in the value: Division by zero."},
    };
    const struct {
      const char* chosen;
      bool ok;
      std::string inForce;
    } steps[] = {{"en", false, "ru"}, {"en", true, "en"}, {"ru", true, "ru"}};
    for (const auto& step : steps) {
      ChooseLanguage(windows, step.chosen, step.ok);
      QCOMPARE(windows.Language.Code(), step.inForce);
      for (const auto& row : rows) QCOMPARE(row.shown(), step.inForce == "en" ? row.english : row.russian);
    }
  }

  // The dialog offers each built-in catalogue under its own name; a stored
  // code without one is shown, used and written back as Russian.
  void aCodeWithoutTextsIsRussian() {
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Tamrix.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Main]\r\nLanguage=de\r\n");
    ini.close();
    TFakeHotKeyService hotKey;
    TProgramWindows windows(dir.path().toStdString() + "/", &hotKey);
    QCOMPARE(windows.Language.Code(), std::string("ru"));
    QCOMPARE(windows.frmMain.Language, std::string("ru"));
    QComboBox* list = windows.frmOptions.cbLanguage;
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0) + QLatin1Char('|') + list->itemText(1), QStringLiteral("Русский|English"));
    QCOMPARE(list->itemData(1).toString(), QStringLiteral("en"));
  }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
