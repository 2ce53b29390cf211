// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up restores every setting and the history from the data folder;
// closing writes them back, asks first when told to, and asks whether to
// close without saving when a file cannot be written; the end of the session
// writes them unasked. Each store writes the history at once.
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QMenu>
#include <QToolButton>
#include <QtTest>
#include <optional>

#include "mainfixture.h"
#include "storage/historyfile.h"
#include "storage/mainsettings.h"
#include "tests/hardening/injectedfault.h"
#include "ui/main/formatbutton.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
const QByteArray kEverySetting =
    "[Font]\r\nName=DejaVu Serif\r\nSize=14\r\nStyle=10\r\n"
    "[Main]\r\nLeft=31\r\nTop=47\r\nWidth=455\r\nExprMem=0\r\nInTray=0\r\nCloseQuery=1\r\n"
    "OnTop=1\r\nDropOut=1\r\nErrorOn=0\r\nAngle=1\r\nExpression=2*3\r\nNExpres=3\r\n"
    "VK_Code=0x71\r\nfsModifiers=5\r\nOutStr1=3\r\nOutStr2=-4\r\nOutStr3=0\r\n"
    "[Parser]\r\nDecimalSeparator=,\r\nArgumentSeparator=,\r\nNDigit=6\r\n";

const QString kWithoutSaving = QStringLiteral("Закрыть Tamrix без сохранения?");

// Makes the data folder unwritable as the fault names: "read-only" (every
// file and the folder refuse writes), "full disk" (every write into the
// folder fails for want of space), "vanished" (the folder is gone with
// its medium, so it cannot be made again either),
// "history" or "settings" (only "Tamrix.his" or "Tamrix.ini" cannot be
// replaced: it is a folder).
void BreakFolder(TMainFixture& f, const QString& fault, std::optional<TInjectedFault>& injected) {
  if (fault == "read-only")
    injected.emplace("readonly", f.Dir());
  else if (fault == "full disk")
    injected.emplace("nospace", f.Dir());
  else if (fault == "vanished") {
    QVERIFY(f.dir.remove());
    injected.emplace("readonly", f.Dir());
  }
  else
    QVERIFY(QDir(f.dir.path()).mkdir(fault == "history" ? QStringLiteral("Tamrix.his") : QStringLiteral("Tamrix.ini")));
}

QStringList Items(TfrmMain& w) {
  QStringList items;
  for (int i = 0; i < w.cbInput->count(); ++i) items << w.cbInput->itemText(i);
  return items;
}
}  // namespace

class TestMainSettings : public QObject {
  Q_OBJECT

 private slots:
  void noFilesGiveTheDefaults() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QCOMPARE(w.pos(), QPoint(200, 200));
    QCOMPARE(w.width(), 370);
    QCOMPARE(w.btnNFormat->text(), QStringLiteral("Sci"));
    QCOMPARE(w.btnNFormat2->text(), QStringLiteral("D"));
    QCOMPARE(w.btnNFormat3->text(), QStringLiteral("O"));
    QVERIFY(w.Parser.ErrorOn);
    QVERIFY(!w.Parser.Angle);
    QCOMPARE(w.btnAngle->text(), QStringLiteral("°"));
    QVERIFY(!w.OnTop && !w.DropOut && w.InTray && !w.CloseQuery && !w.ExprMem);
    QCOMPARE(w.btnOnTop->toolTip(), QStringLiteral("Поверх всех окон/Вкл (Ctrl+T)"));
    QCOMPARE(w.btnRollUp->toolTip(), QStringLiteral("Развернуть (Ctrl+L)"));
    QCOMPARE(w.height(), w.CollapsedHeight);
    QCOMPARE(w.Parser.NDigit, 18);
    QCOMPARE(w.Parser.DecimalSeparator, '.');
    QCOMPARE(w.Parser.ArgumentSeparator, ',');
    QCOMPARE(w.NExpres, 10);
    QVERIFY(f.hotKey.Registered.has_value());
    QCOMPARE(*f.hotKey.Registered, (TFakeHotKeyService::Combination{2, 123}));
    QCOMPARE(w.cbInput->currentText(), QString());
    QCOMPARE(w.cbInput->count(), 0);
    QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
  }

  void startUpRestoresEverySettingAndTheHistory() {
    TMainFixture f;
    f.WriteFile("Tamrix.ini", kEverySetting);
    f.WriteFile("Tamrix.his", "1+1\r\n\r\nsin(30)\nlast");
    TfrmMain& w = f.Show();
    const QFont font = w.OutputFont();
    QCOMPARE(font.families().value(0), QStringLiteral("DejaVu Serif"));
    QCOMPARE(font.pointSize(), 14);
    QVERIFY(font.bold() && !font.italic());
    QCOMPARE(w.cbInput->font(), font);
    QCOMPARE(w.edOutput3->font(), font);
    QCOMPARE(w.pos(), QPoint(31, 47));
    QCOMPARE(w.width(), 455);
    QVERIFY(!w.InTray && w.CloseQuery && !w.ExprMem);
    QVERIFY(w.OnTop && (w.windowFlags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(w.btnOnTop->toolTip(), QStringLiteral("Поверх всех окон/Откл (Ctrl+T)"));
    QVERIFY(w.DropOut);
    QCOMPARE(w.btnRollUp->toolTip(), QStringLiteral("Свернуть (Ctrl+L)"));
    QCOMPARE(w.height(), w.ExpandedHeight);
    QVERIFY(!w.Parser.ErrorOn);
    QVERIFY(w.Parser.Angle);
    QCOMPARE(w.btnAngle->text(), QStringLiteral("π"));
    QCOMPARE(w.Parser.DecimalSeparator, ',');
    QCOMPARE(w.Parser.ArgumentSeparator, ';');  // equal separators
    QCOMPARE(w.Parser.NDigit, 6);
    QCOMPARE(w.NExpres, 3);
    QCOMPARE(w.VK_Code, 0x71);
    QCOMPARE(w.fsModifiers, 5);
    QCOMPARE(*f.hotKey.Registered, (TFakeHotKeyService::Combination{5, 0x71}));
    QCOMPARE(w.btnNFormat->Tag, 3);
    QCOMPARE(w.btnNFormat2->Tag, -4);
    QCOMPARE(w.btnNFormat2->text(), QStringLiteral("Fix"));
    QCOMPARE(w.btnNFormat3->Tag, 0);
    QCOMPARE(w.cbInput->currentText(), QStringLiteral("2*3"));
    QCOMPARE(Items(w), (QStringList{"1+1", "", "sin(30)", "last"}));
    // The restored expression was evaluated with the restored settings.
    QCOMPARE(w.edOutput->text(), QStringLiteral("6h"));
    QCOMPARE(w.edOutput2->text(), QStringLiteral("0,006000E3"));
  }

  void exprMemLeavesTheInputEmptyButStillWritesTheExpression() {
    TMainFixture f;
    f.WriteFile("Tamrix.ini", "[Main]\r\nExprMem=1\r\nExpression=5+5\r\n");
    TfrmMain& w = f.Show();
    QCOMPARE(w.cbInput->currentText(), QString());
    QCOMPARE(w.edOutput->text(), QString());
    w.cbInput->setEditText(QStringLiteral("9-1"));
    QVERIFY(w.close());
    const TProfileFile ini(f.Dir() + "Tamrix.ini");
    QVERIFY(ReadMainSettings(ini).ExprMem);
    QCOMPARE(ini.ReadString("Main", "Expression", ""), std::string("9-1"));
  }

  void closingWritesEverythingBack() {
    TMainFixture f;
    f.WriteFile("Tamrix.ini", "[Main]\r\nNExpres=3\r\n");
    TfrmMain& w = f.Show();
    QSignalSpy closed(&w, &TfrmMain::Closed);
    for (int i = 0; i < 10; ++i) {
      w.cbInput->setEditText(QString::number(i));
      w.btnStoreClick();
    }
    w.cbInput->setEditText(QStringLiteral("sqrt(2)"));
    w.btnOnTopClick();
    w.btnErrorClick();
    w.btnAngleClick();
    w.btnNFormat3->SetCode(-7);
    w.ApplyOutputFont(FieldFontForTest());
    w.move(60, 70);
    w.resize(400, w.height());
    w.InTray = false;
    w.CloseQuery = false;
    w.Parser.NDigit = 12;
    w.Parser.DecimalSeparator = ',';
    w.Parser.ArgumentSeparator = ';';
    w.VK_Code = 0x41;
    w.fsModifiers = 1;
    QVERIFY(w.close());
    QCOMPARE(closed.count(), 1);

    const TMainSettings s = ReadMainSettings(TProfileFile(f.Dir() + "Tamrix.ini"));
    QCOMPARE(s.Left, 60);
    QCOMPARE(s.Top, 70);
    QCOMPARE(s.Width, 400);
    QVERIFY(s.OnTop && !s.DropOut && !s.InTray && !s.CloseQuery && !s.ErrorOn && s.Angle && !s.ExprMem);
    QCOMPARE(s.Expression, std::string("sqrt(2)"));
    QCOMPARE(s.NExpres, 3);
    QCOMPARE(s.FontName, std::string("DejaVu Serif"));
    QCOMPARE(s.FontSize, 12);
    QVERIFY(!s.FontBold && s.FontItalic);
    QCOMPARE(s.NDigit, 12);
    QCOMPARE(s.DecimalSeparator, ',');
    QCOMPARE(s.ArgumentSeparator, ';');
    QCOMPARE(s.VK_Code, 0x41);
    QCOMPARE(s.fsModifiers, 1);
    QCOMPARE(s.OutStr1, 1);
    QCOMPARE(s.OutStr2, 2);
    QCOMPARE(s.OutStr3, -7);
    // The three most recent entries, the most recent first.
    QCOMPARE(ReadHistory(f.Dir() + "Tamrix.his"), (std::vector<std::string>{"9", "8", "7"}));
  }

  void answeringNoWritesNothing() {
    TMainFixture f;
    f.WriteFile("Tamrix.ini", "[Main]\r\nCloseQuery=1\r\n");
    TfrmMain& w = f.Show();
    QSignalSpy closed(&w, &TfrmMain::Closed);
    w.cbInput->setEditText(QStringLiteral("1+2"));
    w.btnStoreClick();
    QVERIFY(QFile::remove(f.Path("Tamrix.his")));  // the store's; the closing writes it anew
    f.boxes.Answers = {false};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(closed.count(), 0);
    QCOMPARE(f.boxes.Texts(TScriptedMessageBoxes::Kind::Confirm), QStringList{"Закрыть Tamrix"});
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"Tamrix.ini"});
    QCOMPARE(ReadMainSettings(TProfileFile(f.Dir() + "Tamrix.ini")).Expression, std::string());
    f.boxes.Answers = {true};
    QVERIFY(w.close());
    QCOMPARE(ReadHistory(f.Dir() + "Tamrix.his"), std::vector<std::string>{"1+2"});
  }

  void aFailedWriteIsReportedAndTheWindowStaysOpen() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QSignalSpy closed(&w, &TfrmMain::Closed);
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("Tamrix.his")));  // cannot be replaced by a file
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(closed.count(), 0);
    const QStringList shown = f.boxes.Texts(TScriptedMessageBoxes::Kind::Exception);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("Cannot create file")), qPrintable(shown[0]));
    QVERIFY2(shown[0].endsWith(u'.'), qPrintable(shown[0]));  // as the catalogue's messages end
    QCOMPARE(f.boxes.Texts(TScriptedMessageBoxes::Kind::Confirm), QStringList{kWithoutSaving});  // unscripted: No
    QVERIFY(!QFile::exists(f.Path("Tamrix.ini")));  // the settings were not written either
    // The next request runs the whole closing again.
    QVERIFY(QDir(f.dir.path()).rmdir(QStringLiteral("Tamrix.his")));
    QVERIFY(w.close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(QFile::exists(f.Path("Tamrix.ini")));
  }

  void anUnwritableFolderAsksWhetherToCloseWithoutSaving_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("trigger");  // what asks for the close
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("shown");  // the start of the one message shown
    QTest::addColumn<bool>("settingsWritten");
    const QString history = QStringLiteral("Cannot create file");
    QTest::newRow("read-only, close button, yes") << "read-only" << "btnClose" << true << history << false;
    QTest::newRow("read-only, close button, no") << "read-only" << "btnClose" << false << history << false;
    QTest::newRow("read-only, tray menu, yes") << "read-only" << "miClose" << true << history << false;
    QTest::newRow("read-only, window menu, no") << "read-only" << "SysMenu" << false << history << false;
    QTest::newRow("vanished, window menu, yes") << "vanished" << "SysMenu" << true << history << false;
    QTest::newRow("history alone, yes keeps the settings") << "history" << "btnClose" << true << history << true;
    QTest::newRow("settings alone, yes") << "settings" << "miClose" << true << "Unable to write to" << false;
  }

  void anUnwritableFolderAsksWhetherToCloseWithoutSaving() {
    QFETCH(QString, fault);
    QFETCH(QString, trigger);
    QFETCH(bool, yes);
    QFETCH(QString, shown);
    QFETCH(bool, settingsWritten);
    TMainFixture f;
    TfrmMain& w = f.Show();
    QSignalSpy closed(&w, &TfrmMain::Closed);
    w.cbInput->setEditText(QStringLiteral("7*6"));
    std::optional<TInjectedFault> injected;
    BreakFolder(f, fault, injected);
    f.boxes.Answers = {yes};
    if (trigger == "btnClose") QTest::mouseClick(w.btnClose, Qt::LeftButton);
    if (trigger == "miClose") w.miClose->trigger();
    for (QAction* a : w.SysMenu->actions())
      if (trigger == "SysMenu" && a->data().toInt() == syscmd::Close) a->trigger();
    injected.reset();
    QCOMPARE(f.boxes.Texts(TScriptedMessageBoxes::Kind::Confirm), QStringList{kWithoutSaving});
    const QStringList messages = f.boxes.Texts(TScriptedMessageBoxes::Kind::Exception);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(shown), qPrintable(messages[0]));
    QCOMPARE(closed.count(), yes ? 1 : 0);
    QCOMPARE(w.isVisible(), !yes);
    QCOMPARE(ReadMainSettings(TProfileFile(f.Dir() + "Tamrix.ini")).Expression == "7*6", settingsWritten);
  }

  void theEndOfTheSessionWritesUnasked_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("writable folder") << QString();
    QTest::newRow("read-only folder: ends all the same") << "read-only";
  }

  void theEndOfTheSessionWritesUnasked() {
    QFETCH(QString, fault);
    TMainFixture f;
    f.WriteFile("Tamrix.ini", "[Main]\r\nCloseQuery=1\r\n");
    TfrmMain& w = f.Show();
    QSignalSpy closed(&w, &TfrmMain::Closed);
    w.cbInput->setEditText(QStringLiteral("5-1"));
    w.btnStoreClick();
    QVERIFY(QFile::remove(f.Path("Tamrix.his")));  // the store's; the end writes it anew
    std::optional<TInjectedFault> injected;
    if (!fault.isEmpty()) BreakFolder(f, fault, injected);
    w.EndSession();
    w.EndSession();  // the quitting application asks again: nothing more happens
    injected.reset();
    QVERIFY(f.boxes.Boxes.isEmpty());
    QCOMPARE(closed.count(), 1);
    QVERIFY(!w.isVisible());
    const bool written = fault.isEmpty();
    QCOMPARE(ReadMainSettings(TProfileFile(f.Dir() + "Tamrix.ini")).Expression == "5-1", written);
    QCOMPARE(ReadHistory(f.Dir() + "Tamrix.his") == std::vector<std::string>{"5-1"}, written);
  }

  void eachStoreWritesTheHistory_data() {
    QTest::addColumn<QString>("fault");  // of the data folder, from the second store on
    QTest::newRow("writable folder") << QString();
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("full disk") << "full disk";
  }

  // The file holds what the drop-down list holds, trimmed as at closing,
  // after every store; a folder that refuses it is reported once, at the
  // first failing store, while the typing goes on evaluating; after a
  // write succeeds again the next failure is reported again.
  void eachStoreWritesTheHistory() {
    QFETCH(QString, fault);
    TMainFixture f;
    f.WriteFile("Tamrix.ini", "[Main]\r\nNExpres=3\r\n");
    TfrmMain& w = f.Show();
    const auto onDisk = [&] { return ReadHistory(f.Dir() + "Tamrix.his"); };
    std::optional<TInjectedFault> injected;
    const auto typeAndStore = [&](int i) {
      w.cbInput->setEditText(QString());
      QTest::keyClicks(w.cbInput->lineEdit(), QStringLiteral("%1*2").arg(i));
      QCOMPARE(w.edOutput2->text(), QString::number(i * 2));  // the cycle is not held up
      QTest::mouseClick(w.btnStore, Qt::LeftButton);
    };
    typeAndStore(1);
    QCOMPARE(onDisk(), std::vector<std::string>{"1*2"});
    if (!fault.isEmpty()) BreakFolder(f, fault, injected);
    for (int i = 2; i <= 5; ++i) typeAndStore(i);
    QCOMPARE(w.cbInput->count(), 5);  // the list itself is trimmed only at closing
    const QStringList reports = f.boxes.Texts(TScriptedMessageBoxes::Kind::ExceptionAside);
    QCOMPARE(reports.size(), fault.isEmpty() ? 0 : 1);
    QCOMPARE(f.boxes.Boxes.size(), reports.size());  // nothing that waits for an answer
    if (fault.isEmpty()) {
      QCOMPARE(onDisk(), (std::vector<std::string>{"5*2", "4*2", "3*2"}));
      return;
    }
    QVERIFY2(reports[0] == QStringLiteral("Cannot create file %1.").arg(f.Path("Tamrix.his")),
             qPrintable(reports[0]));
    QCOMPARE(onDisk(), std::vector<std::string>{"1*2"});  // the old file intact
    injected.reset();
    typeAndStore(6);
    QCOMPARE(onDisk(), (std::vector<std::string>{"6*2", "5*2", "4*2"}));
    BreakFolder(f, fault, injected);
    typeAndStore(7);
    typeAndStore(8);
    QCOMPARE(f.boxes.Texts(TScriptedMessageBoxes::Kind::ExceptionAside).size(), 2);
  }

  void aFailedSettingsWriteKeepsTheWindowOpen() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("Tamrix.ini")));
    QVERIFY(!w.close());
    const QStringList shown = f.boxes.Texts(TScriptedMessageBoxes::Kind::Exception);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("Unable to write to")), qPrintable(shown[0]));
    QVERIFY(w.isVisible());
  }

 private:
  static QFont FieldFontForTest() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Serif")});
    font.setPointSize(12);
    font.setItalic(true);
    return font;
  }
};

QTEST_MAIN(TestMainSettings)
#include "tst_frmmain_settings.moc"
