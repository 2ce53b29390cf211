// SPDX-License-Identifier: GPL-3.0-or-later
// How the whole program ends, its windows wired as the program entry wires
// them: the toolkit's quit, a signal or the end of the session, with the
// catalogue and the entry editor open, writes the main window's files once,
// opens no box and returns; a commit request of the session manager only
// writes; a signal while a closing question is open ends the program with
// the closing steps run once.
#include <QSessionManager>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <functional>
#include <optional>

#include "storage/historyfile.h"
#include "storage/mainsettings.h"
#include "tests/doubles/fakehotkeyservice.h"
#include "tests/doubles/scriptedmessageboxes.h"
#include "tests/hardening/injectedfault.h"
#include "ui/main/programending.h"
#include "ui/main/programwindows.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {

const QByteArray kAskingSettings = "[Main]\r\nCloseQuery=1\r\n";

struct TEndingProgram {
  QTemporaryDir dir;
  TScriptedMessageBoxes boxes;
  TMessageBoxesOverride boxesOn{&boxes};
  TFakeHotKeyService hotKey;
  std::optional<TProgramWindows> windows;
  std::optional<TProgramEnding> ending;

  std::string Dir() const { return dir.path().toStdString() + "/"; }
  QByteArray Settings() const {
    QFile f(dir.filePath(QStringLiteral("Tamrix.ini")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // Starts on a data folder holding settings, with "5-1" typed and stored.
  TfrmMain& Start(const QByteArray& settings) {
    QFile f(dir.filePath(QStringLiteral("Tamrix.ini")));
    if (f.open(QIODevice::WriteOnly)) f.write(settings);
    f.close();
    windows.emplace(Dir(), &hotKey);
    ending.emplace(*windows);
    TfrmMain& frmMain = windows->frmMain;
    frmMain.show();
    frmMain.cbInput->setEditText(QStringLiteral("5-1"));
    frmMain.btnStoreClick();
    return frmMain;
  }

  bool MainFilesWritten() const {
    return ReadMainSettings(TProfileFile(Dir() + "Tamrix.ini")).Expression == "5-1" &&
           ReadHistory(Dir() + "Tamrix.his") == std::vector<std::string>{"5-1"};
  }

  // The data folder read-only from now until Writable() (or the end): every
  // write fails, and the program says so on the standard error in the
  // warnings that begin with said.
  void ReadOnly(std::initializer_list<const char*> said = {}) {
    for (const char* start : said)
      QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1Char('^') + QLatin1String(start)));
    fault.emplace("readonly", Dir());
  }
  void Writable() { fault.reset(); }
  // What an ending leaves: the main window's files written, or over a
  // read-only folder the settings as they were.
  bool EndedWith(bool readOnly) const {
    return readOnly ? !MainFilesWritten() && Settings() == kAskingSettings : MainFilesWritten();
  }

 private:
  std::optional<TInjectedFault> fault;
};

// Runs scenario inside the application's event loop, as the program runs;
// the loop's exit code, or -1 when the program did not end within the bound.
int RunProgram(const std::function<void()>& scenario) {
  QTimer::singleShot(0, scenario);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
  watchdog.start(10000);
  return QCoreApplication::exec();
}

void Trigger(const QString& how) {
  if (how == "quit") {
    // What the toolkit's quit and the session manager's "die" deliver.
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
  } else {
    ::raise(how == "SIGHUP" ? SIGHUP : how == "SIGINT" ? SIGINT : SIGTERM);
  }
}

}  // namespace

class TestProgramEnding : public QObject {
  Q_OBJECT

 private slots:
  void endingWithEveryWindowOpen_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("quit") << "quit" << false;
    QTest::newRow("quit, read-only folder") << "quit" << true;
    QTest::newRow("SIGTERM") << "SIGTERM" << false;
    QTest::newRow("SIGHUP, read-only folder") << "SIGHUP" << true;
    QTest::newRow("SIGINT") << "SIGINT" << false;
  }

  void endingWithEveryWindowOpen() {
    QFETCH(QString, how);
    QFETCH(bool, readOnly);
    TEndingProgram p;
    TfrmMain& frmMain = p.Start(kAskingSettings);
    QSignalSpy closed(&frmMain, &TfrmMain::Closed);
    const int code = RunProgram([&] {
      p.windows->frmFunc.ShowCatalogue();
      p.windows->frmFunc.PageControl->setCurrentIndex(TfrmFunc::pgVar);
      QTimer::singleShot(0, [&] {
        QVERIFY(p.windows->frmEdit.isVisible());
        if (readOnly) p.ReadOnly({"Cannot create file", "Unable to write to"});
        Trigger(how);
      });
      p.windows->frmFunc.btnAddClick();  // the editor's loop runs until the ending
    });
    p.Writable();
    QCOMPARE(code, 0);
    QVERIFY(p.boxes.Boxes.isEmpty());
    QCOMPARE(closed.count(), 1);
    for (QWidget* w : std::initializer_list<QWidget*>{&frmMain, &p.windows->frmFunc, &p.windows->frmEdit})
      QVERIFY2(!w->isVisible(), w->metaObject()->className());
    QVERIFY(p.EndedWith(readOnly));
    // The catalogue's and the editor's sections are written when they close,
    // not when the program quits.
    QVERIFY(!p.Settings().contains("[Function]"));
    QVERIFY(!p.Settings().contains("[Edit]"));
  }

  void aCommitRequestOnlyWrites() {
    TEndingProgram p;
    TfrmMain& frmMain = p.Start(kAskingSettings);
    QSignalSpy closed(&frmMain, &TfrmMain::Closed);
    auto* manager = qApp->findChild<QSessionManager*>();
    QVERIFY(manager);
    bool runningOn = false;
    const int code = RunProgram([&] {
      emit qApp->commitDataRequest(*manager);
      // The logout is cancelled: the program runs on, its files written.
      QTimer::singleShot(50, [&] {
        runningOn = closed.isEmpty() && frmMain.isVisible() && p.MainFilesWritten();
        QCoreApplication::exit(7);
      });
    });
    QCOMPARE(code, 7);
    QVERIFY(runningOn);
    QVERIFY(p.boxes.Boxes.isEmpty());
  }

  void aSignalWhileAQuestionIsOpen_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QStringList>("questions");
    QTest::newRow("close confirmation") << false << QStringList{"Закрыть Tamrix"};
    QTest::newRow("close without saving") << true
                                          << QStringList{"Закрыть Tamrix", "Закрыть Tamrix без сохранения?"};
  }

  void aSignalWhileAQuestionIsOpen() {
    QFETCH(bool, readOnly);
    QFETCH(QStringList, questions);
    TEndingProgram p;
    TfrmMain& frmMain = p.Start(kAskingSettings);
    QSignalSpy closed(&frmMain, &TfrmMain::Closed);
    if (readOnly) {
      p.ReadOnly({"Unable to write to"});
      p.boxes.Answers = {true, true};  // close; and without saving
    }
    p.boxes.WhileOpen = [&] {
      if (p.boxes.Texts(TScriptedMessageBoxes::Kind::Confirm) != questions) return;
      ::raise(SIGTERM);
      // The box's own loop delivers the signal; the ending takes the other
      // windows away.
      QVERIFY(QTest::qWaitFor([&] { return !p.windows->frmFunc.isVisible(); }, 5000));
    };
    const int code = RunProgram([&] {
      p.windows->frmFunc.ShowCatalogue();
      frmMain.btnCloseClick();
    });
    p.Writable();
    QCOMPARE(code, 0);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!frmMain.isVisible());
    QCOMPARE(p.boxes.Texts(TScriptedMessageBoxes::Kind::Confirm), questions);
    QCOMPARE(p.boxes.Texts(TScriptedMessageBoxes::Kind::Exception).size(), readOnly ? 1 : 0);
    QVERIFY(p.EndedWith(readOnly));
  }
};

QTEST_MAIN(TestProgramEnding)
#include "tst_programending.moc"
