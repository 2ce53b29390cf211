// SPDX-License-Identifier: GPL-3.0-or-later
// The hot key through the desktop portal's global shortcuts, against a fake
// portal (fakeportal.py) on the private session bus this test runs under.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QtTest>

#include <unistd.h>

#include "platform/portalhotkeyservice.h"
#include "ui/options/frmoptions.h"

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kDescription = QStringLiteral("Показать или спрятать калькулятор");
const QString kBind = QStringLiteral("BindShortcuts toggle CTRL+F12 ") + kDescription;

bool PortalOnBus() { return QDBusConnection::sessionBus().interface()->isServiceRegistered(kPortal); }

const QString kBackend = QStringLiteral("org.freedesktop.impl.portal.desktop.tamrixtest");

bool OnBus(const QString& name) { return QDBusConnection::sessionBus().interface()->isServiceRegistered(name); }

QString PortalFile(const char* name) {
  return qEnvironmentVariable("TAMRIX_SOURCE_DIR") + "/tests/ui/portal/" + QLatin1String(name);
}

// fakeportal.py with the given options, on the bus until destroyed; or the
// real portal frontend with fakebackend.py behind it.
class TFakePortal {
 public:
  explicit TFakePortal(const QStringList& options) : m_control(kPortal) {
    Start(m_portal, QStringLiteral("/usr/bin/python3"), QStringList{PortalFile("fakeportal.py")} + options, kPortal);
  }
  struct TRealFrontend {
    QString program;
    QString portalDir;  // where the .portal file announces the fake backend
  };
  explicit TFakePortal(const TRealFrontend& real) : m_control(kBackend) {
    Start(m_backend, QStringLiteral("/usr/bin/python3"), {PortalFile("fakebackend.py")}, kBackend);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DESKTOP_PORTAL_DIR", real.portalDir);
    env.insert("XDG_CURRENT_DESKTOP", "tamrixtest");
    m_portal.setProcessEnvironment(env);
    Start(m_portal, real.program, {}, kPortal);
  }
  ~TFakePortal() {
    for (QProcess* p : {&m_portal, &m_backend}) {
      p->kill();
      p->waitForFinished();
    }
    QTRY_VERIFY(!PortalOnBus() && !OnBus(kBackend));
  }
  QStringList Calls() {
    const QDBusMessage reply = Control().call(QStringLiteral("Calls"));
    if (reply.type() != QDBusMessage::ReplyMessage) return {reply.errorMessage()};
    return reply.arguments().value(0).toStringList();
  }
  void Press(const QString& id, const QString& token, bool otherSession) {
    Control().call(QStringLiteral("Press"), id, token, otherSession);
  }
  void Rebind(const QString& trigger) { Control().call(QStringLiteral("Rebind"), trigger); }
  void CloseSession() { Control().call(QStringLiteral("CloseSession")); }

 private:
  static void Start(QProcess& process, const QString& program, const QStringList& args, const QString& name) {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, args);
    QTRY_VERIFY_WITH_TIMEOUT(OnBus(name), 10000);
  }
  QDBusInterface Control() {
    return QDBusInterface(m_control, QStringLiteral("/org/freedesktop/portal/desktop"),
                          QStringLiteral("org.tamrix.FakePortal"));
  }
  QString m_control;  // the fake that records the calls
  QProcess m_portal;
  QProcess m_backend;
};

// What the program writes to its standard error while this lives.
class TStderrCapture {
 public:
  TStderrCapture() {
    m_file.open();
    std::fflush(stderr);
    m_saved = ::dup(2);
    ::dup2(m_file.handle(), 2);
  }
  ~TStderrCapture() { Restore(); }
  QString Text() {
    Restore();
    m_file.seek(0);
    return QString::fromLocal8Bit(m_file.readAll());
  }

 private:
  void Restore() {
    if (m_saved < 0) return;
    std::fflush(stderr);
    ::dup2(m_saved, 2);
    ::close(m_saved);
    m_saved = -1;
  }
  QTemporaryFile m_file;
  int m_saved = -1;
};

std::unique_ptr<TPortalHotKeyService> StartService() {
  auto service = std::make_unique<TPortalHotKeyService>(QDBusConnection::sessionBus(), "org.tamrix.Tamrix");
  service->Register(2, 0x7B);  // Control+F12, as the window does at once
  return service;
}

// Waits until the portal has nothing more to answer.
void Settle(TFakePortal& portal) {
  QStringList calls = portal.Calls();
  for (int i = 0; i < 10; ++i) {
    QTest::qWait(60);
    const QStringList now = portal.Calls();
    if (now == calls && i >= 3) return;
    calls = now;
  }
}

}  // namespace

class TestPortalHotKey : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void withoutPortalThereIsNoKey_data();
  void withoutPortalThereIsNoKey();
  void bindsOnceAsThePortalAnswers_data();
  void bindsOnceAsThePortalAnswers();
  void activationTogglesWithItsToken_data();
  void activationTogglesWithItsToken();
  void theDialogShowsTheDesktopsBinding_data();
  void theDialogShowsTheDesktopsBinding();
  void aClosedSessionIsCreatedAgainOnce();
  void againstTheRealFrontend();
};

void TestPortalHotKey::initTestCase() {
  QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
  QVERIFY(!PortalOnBus());
}

void TestPortalHotKey::withoutPortalThereIsNoKey_data() {
  QTest::addColumn<QStringList>("portal");  // empty: no portal on the bus
  QTest::newRow("no portal") << QStringList();
  QTest::newRow("a portal without global shortcuts") << QStringList{"--no-global-shortcuts"};
}

void TestPortalHotKey::withoutPortalThereIsNoKey() {
  QFETCH(QStringList, portal);
  std::unique_ptr<TFakePortal> fake;
  if (!portal.isEmpty()) fake = std::make_unique<TFakePortal>(portal);
  TStderrCapture err;
  auto keys = StartService();
  QTRY_COMPARE(keys->KeyChooser(), THotKeyService::TKeyChooser::Nobody);
  QVERIFY(!keys->Register(2, 0x7B));
  QCOMPARE(err.Text(), "tamrix: no global hot key on this desktop (offscreen); bind 'tamrix --toggle' to a key\n");
  if (fake) QCOMPARE(fake->Calls(), QStringList());

  TfrmOptions dialog(*keys);
  dialog.Fill({});
  QVERIFY(dialog.lbDesktopKeyHint->isVisibleTo(&dialog));
  QLabel* hint = dialog.lbDesktopKeyHint;
  QVERIFY2(hint->heightForWidth(hint->width()) <= hint->height(), "the line on binding a key is cut off");
  QVERIFY(!dialog.edKey->isVisibleTo(&dialog));
  QVERIFY(!dialog.edDesktopKey->isVisibleTo(&dialog));
  QVERIFY(!dialog.lbHotKey->isVisibleTo(&dialog));  // the line says it all
}

void TestPortalHotKey::bindsOnceAsThePortalAnswers_data() {
  QTest::addColumn<QStringList>("portal");
  QTest::addColumn<QStringList>("calls");
  QTest::addColumn<QString>("binding");
  QTest::addColumn<QString>("said");  // on the standard error
  const QStringList bound{"CreateSession", "ListShortcuts", kBind};
  const QStringList closed = bound + QStringList{"Session.Close"};
  QTest::newRow("bound, answers after the reply") << QStringList() << bound << "CTRL+F12 (fake)" << "";
  QTest::newRow("bound, answers before the reply") << QStringList{"--response-first"} << bound << "CTRL+F12 (fake)"
                                                   << "";
  QTest::newRow("bound already: no second binding")
      << QStringList{"--bound", "Ctrl+Alt+T"} << QStringList{"CreateSession", "ListShortcuts"} << "Ctrl+Alt+T" << "";
  QTest::newRow("the user cancels") << QStringList{"--bind-response", "1"} << closed << ""
                                    << "tamrix: no global hot key on this desktop (offscreen: the desktop's key "
                                       "cancelled); bind 'tamrix --toggle' to a key\n";
  QTest::newRow("the desktop refuses") << QStringList{"--bind-response", "2", "--response-first"} << closed << ""
                                       << "tamrix: no global hot key on this desktop (offscreen: the desktop's key "
                                          "refused); bind 'tamrix --toggle' to a key\n";
  QTest::newRow("an app id first") << QStringList{"--registry", "--require-app-id"}
                                   << QStringList{"Register org.tamrix.Tamrix"} + bound << "CTRL+F12 (fake)" << "";
  QTest::newRow("an app id first, answers before the reply")
      << QStringList{"--registry", "--require-app-id", "--response-first"}
      << QStringList{"Register org.tamrix.Tamrix"} + bound << "CTRL+F12 (fake)" << "";
}

void TestPortalHotKey::bindsOnceAsThePortalAnswers() {
  QFETCH(QStringList, portal);
  QFETCH(QStringList, calls);
  QFETCH(QString, binding);
  QFETCH(QString, said);
  TFakePortal fake(portal);
  TStderrCapture err;
  auto keys = StartService();
  QSignalSpy changed(keys.get(), &THotKeyService::bindingChanged);
  QTRY_COMPARE(fake.Calls(), calls);
  QTRY_VERIFY(!changed.isEmpty());
  Settle(fake);
  QCOMPARE(fake.Calls(), calls);  // no retry, no second binding
  QCOMPARE(keys->KeyChooser(), THotKeyService::TKeyChooser::Desktop);
  QCOMPARE(keys->DesktopBinding(), binding);
  QCOMPARE(err.Text(), said);
  // Registering again (after an on-top switch, say) asks the desktop nothing.
  QCOMPARE(keys->Register(2, 0x7B), said.isEmpty());
  Settle(fake);
  QCOMPARE(fake.Calls(), calls);
}

void TestPortalHotKey::activationTogglesWithItsToken_data() {
  QTest::addColumn<QString>("id");
  QTest::addColumn<QString>("token");
  QTest::addColumn<bool>("otherSession");
  QTest::addColumn<bool>("registered");
  QTest::addColumn<QStringList>("activations");  // XDG_ACTIVATION_TOKEN at each
  QTest::newRow("pressed") << "toggle" << "" << false << true << QStringList{""};
  QTest::newRow("pressed, with a token") << "toggle" << "tok-42" << false << true << QStringList{"tok-42"};
  QTest::newRow("a token that is no token") << "toggle" << "a b\n" << false << true << QStringList{""};
  QTest::newRow("another program's session") << "toggle" << "tok" << true << true << QStringList();
  QTest::newRow("another shortcut") << "other" << "" << false << true << QStringList();
  QTest::newRow("released") << "toggle" << "" << false << false << QStringList();
}

void TestPortalHotKey::activationTogglesWithItsToken() {
  QFETCH(QString, id);
  QFETCH(QString, token);
  QFETCH(bool, otherSession);
  QFETCH(bool, registered);
  QFETCH(QStringList, activations);
  TFakePortal fake(QStringList{});
  auto keys = StartService();
  QTRY_COMPARE(fake.Calls().size(), 3);
  Settle(fake);
  if (!registered) keys->Unregister();
  qunsetenv("XDG_ACTIVATION_TOKEN");
  QStringList seen;
  connect(keys.get(), &THotKeyService::activated, this,
          [&seen] { seen << qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); });
  fake.Press(id, token, otherSession);
  fake.Press("toggle-last", "", false);  // a marker: every earlier signal has come once this is handled
  QTest::qWait(200);
  QCOMPARE(seen, activations);
  qunsetenv("XDG_ACTIVATION_TOKEN");
}

void TestPortalHotKey::theDialogShowsTheDesktopsBinding_data() {
  QTest::addColumn<int>("version");
  QTest::newRow("version 1") << 1;
  QTest::newRow("version 2: the desktop's key settings") << 2;
}

void TestPortalHotKey::theDialogShowsTheDesktopsBinding() {
  QFETCH(int, version);
  TFakePortal fake(QStringList{"--version", QString::number(version)});
  auto keys = StartService();
  TfrmOptions dialog(*keys);
  dialog.Fill({});
  QVERIFY(dialog.edDesktopKey->isVisibleTo(&dialog));  // while the portal is asked
  QVERIFY(!dialog.edKey->isVisibleTo(&dialog));
  QVERIFY(!dialog.cbModifiers->isVisibleTo(&dialog));
  QVERIFY(!dialog.lbDesktopKeyHint->isVisibleTo(&dialog));
  QTRY_COMPARE(dialog.edDesktopKey->text(), "CTRL+F12 (fake)");
  QVERIFY(dialog.edDesktopKey->isReadOnly());

  fake.Rebind("Super+K");
  QTRY_COMPARE(dialog.edDesktopKey->text(), "Super+K");

  QCOMPARE(dialog.btnDesktopKeys->isVisibleTo(&dialog), version >= 2);
  if (version >= 2) {
    dialog.btnDesktopKeys->click();
    QTRY_VERIFY(fake.Calls().contains("ConfigureShortcuts"));
  }
  // OK leaves the desktop's binding alone, whatever the stored key.
  dialog.FKeyCode = 0x41;
  dialog.btnOkClick();
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(fake.Calls().count(kBind), 1);
}

void TestPortalHotKey::aClosedSessionIsCreatedAgainOnce() {
  TFakePortal fake(QStringList{"--bound", "Ctrl+Alt+T"});
  auto keys = StartService();
  QTRY_COMPARE(keys->DesktopBinding(), "Ctrl+Alt+T");
  fake.CloseSession();
  QTRY_COMPARE(fake.Calls(), QStringList({"CreateSession", "ListShortcuts", "CreateSession", "ListShortcuts"}));
  QTRY_COMPARE(keys->DesktopBinding(), "Ctrl+Alt+T");
  QSignalSpy activated(keys.get(), &THotKeyService::activated);
  fake.Press("toggle", "", false);
  QTRY_COMPARE(activated.count(), 1);

  TStderrCapture err;
  fake.CloseSession();
  Settle(fake);
  QCOMPARE(fake.Calls().count("CreateSession"), 2);
  QCOMPARE(keys->DesktopBinding(), QString());
  QVERIFY(err.Text().contains("(offscreen: the desktop's key closed)"));
}

// The paths and types of the real frontend (TAMRIX_REAL_PORTAL names it),
// with a desktop's side that the test provides.
void TestPortalHotKey::againstTheRealFrontend() {
  const QString frontend = qEnvironmentVariable("TAMRIX_REAL_PORTAL");
  if (frontend.isEmpty()) QSKIP("TAMRIX_REAL_PORTAL names no portal frontend");
  TFakePortal portal(TFakePortal::TRealFrontend{frontend, PortalFile("portals")});
  auto keys = StartService();
  QTRY_COMPARE_WITH_TIMEOUT(keys->DesktopBinding(), "CTRL+F12 (fake)", 10000);
  QCOMPARE(portal.Calls(), QStringList({"CreateSession", "ListShortcuts", kBind}));
  QCOMPARE(keys->CanOpenDesktopSettings(), false);  // version 1

  qunsetenv("XDG_ACTIVATION_TOKEN");
  QStringList seen;
  connect(keys.get(), &THotKeyService::activated, this,
          [&seen] { seen << qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); });
  portal.Press("toggle", "tok-7", false);
  QTRY_COMPARE(seen, QStringList{"tok-7"});
  qunsetenv("XDG_ACTIVATION_TOKEN");

  portal.Rebind("Super+K");
  QTRY_COMPARE(keys->DesktopBinding(), "Super+K");
}

QTEST_MAIN(TestPortalHotKey)
#include "tst_portalhotkey.moc"
