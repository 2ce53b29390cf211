// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues each interface language installs: the toolkit's own
// dialogs and menus, and the engine's messages by their ids; and the switch
// of the settings dialog, which changes every window at once.
#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QLibraryInfo>
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
#include <optional>

#include "language/availablelanguages.h"
#include "language/desktoplanguage.h"
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
    QTest::newRow("unknown is ru") << "xx" << "Выбор шрифта" << "Выделить всё";
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

  // Every language but English takes the toolkit's own catalogue where the
  // system has one; English keeps the toolkit's built-in texts.
  void everyLanguageHasTheToolkitsTexts() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const TLanguageChoice& choice : AvailableLanguages()) {
      TInterfaceLanguage language(choice.code.toStdString());
      const bool shipped = choice.code != "en" && QFile::exists(folder + "/qtbase_" + choice.code + ".qm");
      QVERIFY2(language.HasToolkitCatalogue() == shipped, qPrintable(choice.code));
      language.Install();
      QFontDialog dialog;
      QVERIFY2((dialog.windowTitle() != "Select Font") == shipped, qPrintable(choice.code + dialog.windowTitle()));
    }
  }

  // The stored choice wins; else the first desktop language the program
  // has, its bare language, then a relative for another country; else Russian.
  void theLanguageChoice_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("desktop");  // most wanted first, ':' between
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German desktop") << "" << "de_DE.UTF-8" << "de";
    QTest::newRow("Austrian, as the toolkit lists it") << "" << "de-AT:de-Latn-AT" << "de";
    QTest::newRow("Brazilian") << "" << "pt_BR" << "pt_BR";
    QTest::newRow("Brazilian, the toolkit's spelling") << "" << "pt-BR:pt-Latn-BR:pt" << "pt_BR";
    QTest::newRow("Portuguese gets the Brazilian texts") << "" << "pt-PT:pt-Latn-PT" << "pt_BR";
    QTest::newRow("a named language beats a relative") << "" << "pt-PT:en" << "en";
    QTest::newRow("Chinese with its script") << "" << "zh-Hans-CN:zh" << "zh_CN";
    QTest::newRow("Traditional Chinese gets the Simplified") << "" << "zh-Hant-TW" << "zh_CN";
    QTest::newRow("British") << "" << "en_GB" << "en";
    QTest::newRow("Japanese: none of ours") << "" << "ja_JP" << "ru";
    QTest::newRow("Japanese, then English") << "" << "ja_JP:en_US" << "en";
    QTest::newRow("C locale") << "" << "C" << "ru";
    QTest::newRow("POSIX") << "" << "POSIX" << "ru";
    QTest::newRow("no desktop language") << "" << "" << "ru";
    QTest::newRow("Russian") << "" << "ru_RU.UTF-8:en" << "ru";
    QTest::newRow("the stored choice wins") << "en" << "de_DE.UTF-8" << "en";
    QTest::newRow("stored Russian on a German desktop") << "ru" << "de_DE.UTF-8" << "ru";
    QTest::newRow("a stored code is kept") << "xx" << "de_DE.UTF-8" << "xx";
    QTest::newRow("modifiers dropped") << "" << "uk_UA@euro" << "uk";
  }
  void theLanguageChoice() {
    QFETCH(QString, stored);
    QFETCH(QString, desktop);
    QFETCH(QString, chosen);
    std::vector<std::string> languages;
    for (const QString& tag : desktop.split(':', Qt::SkipEmptyParts)) languages.push_back(tag.toStdString());
    const std::vector<std::string> available{"ru", "de", "en", "es", "fr", "pt_BR", "uk", "zh_CN"};
    QCOMPARE(QString::fromStdString(ChooseInterfaceLanguage(stored.toStdString(), languages, available)), chosen);
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

  void everyCoreTextIsTranslated() {
    for (const TLanguageChoice& choice : AvailableLanguages()) {
      if (choice.code == kSourceLanguage) continue;
      TInterfaceLanguage language(choice.code.toStdString());
      const QTranslator& tr = language.Catalogue();
      const QByteArray code = choice.code.toUtf8();
      for (int id : StringTableIds()) {
        const std::string russian = FormatStr(id, "x");
        const std::string translated = MessageText({id, "x"}, tr);
        QVERIFY2(!translated.empty() && translated != russian, (code + ": " + QByteArray::fromStdString(russian)).constData());
      }
      for (const auto& [id, key] : kStorageKeys) {
        const QString translated = tr.translate("Message", key);
        QVERIFY2(!translated.isEmpty() && translated != QLatin1String(key), code + ": " + key);
        // By its id, the catalogue's text with the path.
        QCOMPARE(QString::fromStdString(MessageText(TStorageMessage{id, "/d/f"}, tr)),
                 QString(translated).replace(QStringLiteral("%s"), QStringLiteral("/d/f")));
        // Storage's own words are the English ones.
        if (choice.code == "en") QCOMPARE(MessageText(TStorageMessage{id, "/d/f"}, tr), StorageMessageText({id, "/d/f"}));
      }
      for (const TFunc& f : FuncTable) {
        QVERIFY2(!tr.translate("FunctionDescription", f.Name).isEmpty(), code + ": " + f.Name);
        const char* category = *f.Category ? f.Category : "Другие";
        QVERIFY2(!tr.translate("FunctionCategory", category).isEmpty(), code + ": " + category);
      }
      for (int i = 0; i < kFormatMenuTopCount; ++i)
        QVERIFY2(!tr.translate("FormatMenu", QByteArray::number(i).constData()).isEmpty(), code.constData());
      for (int i = 0; i < kEngineeringScaleCount; ++i)
        QVERIFY2(!tr.translate("EngineeringScale", QByteArray::number(i).constData()).isEmpty(), code.constData());
      // The catalogue names its language for the settings dialog.
      QVERIFY2(choice.name != choice.code, code.constData());
    }
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
      std::optional<std::string> stored;  // as the closing writes it
    } steps[] = {{"en", false, "ru", std::nullopt},
                 {"en", true, "en", "en"},
                 // The desktop (the tests' has no language) removes the choice.
                 {"", true, "ru", std::nullopt},
                 {"ru", true, "ru", "ru"}};
    for (const auto& step : steps) {
      ChooseLanguage(windows, step.chosen, step.ok);
      QCOMPARE(windows.Language.Code(), step.inForce);
      QCOMPARE(frmMain.Language, step.inForce);
      for (const auto& row : rows) QCOMPARE(row.shown(), step.inForce == "en" ? row.english : row.russian);
      frmMain.SaveSession();
      QCOMPARE(TProfileFile(dir.filePath("Tamrix.ini").toStdString()).Load().Find("Main", "Language"), step.stored);
    }
  }

  // The dialog offers the desktop's language, then each built-in catalogue
  // under its own name; a stored code without one is shown and used as
  // Russian, and kept as the user's choice.
  void aCodeWithoutTextsIsRussian() {
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Tamrix.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Main]\r\nLanguage=xx\r\n");
    ini.close();
    TFakeHotKeyService hotKey;
    TProgramWindows windows(dir.path().toStdString() + "/", &hotKey);
    QCOMPARE(windows.Language.Code(), std::string("ru"));
    QCOMPARE(windows.frmMain.Language, std::string("ru"));
    windows.frmMain.SaveSession();
    QCOMPARE(TProfileFile(dir.filePath("Tamrix.ini").toStdString()).Load().Find("Main", "Language"),
             std::optional<std::string>("xx"));
    QComboBox* list = windows.frmOptions.cbLanguage;
    const std::vector<TLanguageChoice> choices = AvailableLanguages();
    QCOMPARE(list->count(), static_cast<int>(choices.size()) + 1);
    QCOMPARE(list->itemText(0), QStringLiteral("Язык рабочего стола"));
    QCOMPARE(list->itemData(0).toString(), QString());
    for (std::size_t i = 0; i < choices.size(); ++i) {
      QCOMPARE(list->itemText(int(i) + 1), choices[i].name);
      QCOMPARE(list->itemData(int(i) + 1).toString(), choices[i].code);
    }
    QCOMPARE(list->itemText(1), QStringLiteral("Русский"));
    QCOMPARE(list->itemText(list->findData(QStringLiteral("en"))), QStringLiteral("English"));
    TOptionsValues values;
    values.Language = "xx";
    windows.frmOptions.Fill(values);
    QCOMPARE(list->currentData().toString(), QStringLiteral("ru"));
  }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
