// SPDX-License-Identifier: GPL-3.0-or-later
// The local socket behind "tamrix --toggle": one name per data folder and
// user, the request and its answer, leftovers of crashed runs, a second
// calculator on the same folder, and requests that are not toggles.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <future>
#include <QSysInfo>
#include <sys/socket.h>
#include <sys/wait.h>
#include <sys/un.h>
#include <unistd.h>

#include "ui/main/peercredentials.h"
#include "ui/main/singleinstance.h"

namespace {

// The client blocks until it has its answer, and the server answers from the
// event loop: the client runs on a thread of its own while the loop turns.
bool ToggleWhileServing(const QString& name, const QString& token = {}) {
  auto answer = std::async(std::launch::async, [name, token] { return TSingleInstance::SendToggle(name, token); });
  while (answer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return answer.get();
}

// What a calculator killed without its clean-up leaves: a socket file that
// nobody listens on.
void MakeLeftoverSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  QVERIFY(fd >= 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const QByteArray bytes = QFile::encodeName(path);
  QVERIFY(size_t(bytes.size()) < sizeof addr.sun_path);
  memcpy(addr.sun_path, bytes.constData(), size_t(bytes.size()));
  QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ::close(fd);
  QVERIFY(QFileInfo::exists(path));
}

// The tests with another user need root, to become nobody.
void SkipWithoutStranger() {
  if (::geteuid() != 0 || qEnvironmentVariableIsEmpty("TAMRIX_STRANGER"))
    QSKIP("needs root (to run a helper as nobody) and TAMRIX_STRANGER");
}

void OpenToAll(const QString& folder) { QVERIFY(::chmod(QFile::encodeName(folder).constData(), 01777) == 0); }

// The helper, copied where nobody may run it (the build folder may lie in a
// home folder closed to others).
QString StrangerProgram() {
  static QTemporaryDir dir;
  const QString copy = dir.filePath(QStringLiteral("stranger"));
  if (!QFileInfo::exists(copy)) {
    QFile::copy(qEnvironmentVariable("TAMRIX_STRANGER"), copy);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ::chmod(QFile::encodeName(copy).constData(), 0755);
  }
  return copy;
}

void RunAsStranger(QProcess& process, const QStringList& arguments) {
  process.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                                       QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                                       StrangerProgram()} + arguments);
  QVERIFY(process.waitForStarted(10000));
}

}  // namespace

class tst_SingleInstance : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_runtime;
  QTemporaryDir m_data;

 private slots:
  void initTestCase() {
    QVERIFY(m_runtime.isValid());
    QVERIFY(m_data.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
  }

  void nameIsTheSameForEverySpellingOfAFolder_data() {
    QTest::addColumn<QString>("spelling");
    QTest::newRow("trailing slash") << m_data.filePath("a/");
    QTest::newRow("dot segments") << m_data.filePath("a/./b/..");
    QTest::newRow("relative") << QStringLiteral("a");
    QTest::newRow("symbolic link") << m_data.filePath("link");
    QTest::newRow("link to a folder not made yet") << m_data.filePath("link/../a");
  }
  void nameIsTheSameForEverySpellingOfAFolder() {
    QFETCH(QString, spelling);
    QVERIFY(QDir(m_data.path()).mkpath(QStringLiteral("a/b")));
    QFile::link(m_data.filePath("a"), m_data.filePath("link"));
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(m_data.path());
    const QString plain = TSingleInstance::ServerName(m_data.filePath("a"), 1000);
    const QString other = TSingleInstance::ServerName(spelling, 1000);
    QDir::setCurrent(cwd);
    QCOMPARE(other, plain);
  }

  void nameSeparatesFoldersAndUsers() {
    const QString a = TSingleInstance::ServerName(m_data.filePath("a"), 1000);
    QVERIFY(a.startsWith(m_runtime.path() + QLatin1Char('/')));
    QVERIFY(a != TSingleInstance::ServerName(m_data.filePath("b"), 1000));
    QVERIFY(a != TSingleInstance::ServerName(m_data.filePath("a"), 1001));
    // A folder not made yet (~/.config/tamrix before the first save) still
    // has its name, the same as once it exists.
    const QString later = TSingleInstance::ServerName(m_data.filePath("later"), 1000);
    QVERIFY(QDir(m_data.path()).mkdir(QStringLiteral("later")));
    QCOMPARE(TSingleInstance::ServerName(m_data.filePath("later"), 1000), later);
  }

  // Where the socket may live: the runtime folder only when it is private,
  // else "tamrix-<uid>" in the temporary folder, made 0700 or refused.
  void onlyAPrivateFolderHoldsTheSocket_data() {
    QTest::addColumn<QString>("runtime");  // how $XDG_RUNTIME_DIR is
    QTest::addColumn<QString>("own");      // how <tmp>/tamrix-<uid> is found
    QTest::addColumn<QString>("expected");  // "runtime", "own" or "none"
    QTest::newRow("private runtime folder") << "0700" << "absent" << "runtime";
    QTest::newRow("no runtime folder: one is made") << "unset" << "absent" << "own";
    QTest::newRow("runtime folder open to others") << "0755" << "absent" << "own";
    QTest::newRow("runtime folder is a link") << "link" << "absent" << "own";
    QTest::newRow("relative runtime folder") << "relative" << "absent" << "own";
    QTest::newRow("own folder made before, private") << "unset" << "0700" << "own";
    QTest::newRow("own folder open to others") << "unset" << "0777" << "none";
    QTest::newRow("own folder is a file") << "unset" << "file" << "none";
    QTest::newRow("own folder is a link") << "unset" << "link" << "none";
  }
  void onlyAPrivateFolderHoldsTheSocket() {
    QFETCH(QString, runtime);
    QFETCH(QString, own);
    QFETCH(QString, expected);
    QTemporaryDir tmp;
    QTemporaryDir run;
    const QString ownPath = tmp.filePath(QStringLiteral("tamrix-%1").arg(::geteuid()));
    QVERIFY(QDir(run.path()).mkdir(QStringLiteral("private")));
    const QString privateRun = run.filePath(QStringLiteral("private"));
    QVERIFY(QFile::setPermissions(privateRun, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (own == "0700" || own == "0777") {
      QVERIFY(QDir(tmp.path()).mkdir(QFileInfo(ownPath).fileName()));
      QVERIFY(::chmod(QFile::encodeName(ownPath).constData(), own == "0700" ? 0700 : 0777) == 0);
    }
    if (own == "file") QVERIFY(QFile(ownPath).open(QIODevice::WriteOnly));
    if (own == "link") QVERIFY(QFile::link(privateRun, ownPath));
    QString xdg = privateRun;
    if (runtime == "0755") QVERIFY(::chmod(QFile::encodeName(privateRun).constData(), 0755) == 0);
    if (runtime == "link") {
      QVERIFY(QFile::link(privateRun, run.filePath(QStringLiteral("link"))));
      xdg = run.filePath(QStringLiteral("link"));
    }
    if (runtime == "relative") xdg = QStringLiteral("private");
    if (runtime == "unset") qunsetenv("XDG_RUNTIME_DIR");
    else qputenv("XDG_RUNTIME_DIR", QFile::encodeName(xdg));
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    const QString name = TSingleInstance::ServerName(m_data.path(), 4321);
    qunsetenv("TMPDIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    const QString file = TSingleInstance::SocketName(m_data.path(), 4321);
    if (expected == "runtime") QCOMPARE(name, QDir(privateRun).filePath(file));
    if (expected == "own") {
      QCOMPARE(name, QDir(ownPath).filePath(file));
      QCOMPARE(QFileInfo(ownPath).permissions() & 0x0077, QFile::Permissions());
    }
    if (expected == "none") {
      QCOMPARE(name, QString());
      QVERIFY(!TSingleInstance::SendToggle(name, {}));
      TSingleInstance instance(name);
      QVERIFY(!instance.Listen());
    }
  }

  void thePeerIsKnownByTheKernel() {
    int pair[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    QCOMPARE(PeerUserId(pair[0]), std::optional<unsigned>(::geteuid()));
    QVERIFY(PeerIsUser(pair[1], ::geteuid()));
    QVERIFY(!PeerIsUser(pair[1], ::geteuid() + 1));
    ::close(pair[0]);
    ::close(pair[1]);
    QVERIFY(!PeerIsUser(pair[0], ::geteuid()));  // closed: nobody to trust
    QVERIFY(!PeerIsUser(-1, ::geteuid()));
  }

  // Another user (nobody, as CI runs as root) made the temporary folder's
  // socket and lock first: the calculator neither uses nor talks to them.
  void aStrangersSocketIsNeverUsed_data() {
    QTest::addColumn<bool>("inOurFolder");  // at our predictable place, or handed over by name
    QTest::newRow("predictable folder taken first") << true;
    QTest::newRow("foreign socket named directly") << false;
  }
  void aStrangersSocketIsNeverUsed() {
    QFETCH(bool, inOurFolder);
    SkipWithoutStranger();
    QTemporaryDir tmp;
    OpenToAll(tmp.path());
    const QString file = TSingleInstance::SocketName(m_data.path(), ::geteuid());
    const QString folder = inOurFolder ? tmp.filePath(QStringLiteral("tamrix-%1").arg(::geteuid()))
                                       : tmp.filePath(QStringLiteral("open"));
    const QString socketPath = QDir(folder).filePath(file);
    const QString record = tmp.filePath(QStringLiteral("record"));
    QProcess stranger;
    RunAsStranger(stranger, {QStringLiteral("listen"), socketPath, record});
    QVERIFY(stranger.waitForReadyRead(10000));
    QVERIFY(QFileInfo::exists(socketPath + QStringLiteral(".lock")));

    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    const QString name = inOurFolder ? TSingleInstance::ServerName(m_data.path(), ::geteuid()) : socketPath;
    qunsetenv("TMPDIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    QVERIFY(!TSingleInstance::SendToggle(name, QStringLiteral("secret-token")));
    stranger.kill();
    stranger.waitForFinished();
    QVERIFY(!QFileInfo::exists(record));  // not a byte, the token least of all
  }

  // Should a stranger reach the socket (its mode opened by mistake), the
  // calculator drops it unanswered.
  void aStrangerIsDropped() {
    SkipWithoutStranger();
    QTemporaryDir open;
    OpenToAll(open.path());
    TSingleInstance instance(open.filePath(QStringLiteral("tamrix-open")));
    QVERIFY(instance.Listen());
    QVERIFY(::chmod(QFile::encodeName(instance.Name()).constData(), 0777) == 0);
    QSignalSpy toggles(&instance, &TSingleInstance::ToggleRequested);
    QProcess stranger;
    RunAsStranger(stranger, {QStringLiteral("toggle"), instance.Name()});
    QTRY_VERIFY_WITH_TIMEOUT(stranger.state() == QProcess::NotRunning, 10000);
    QCOMPARE(stranger.exitCode(), 1);
    QCOMPARE(toggles.size(), 0);
    QVERIFY(ToggleWhileServing(instance.Name()));  // its own user still gets through
    QTRY_COMPARE(toggles.size(), 1);
  }

  void toggleWithNobodyListeningFailsAtOnce() {
    const QString name = TSingleInstance::ServerName(m_data.filePath("nobody"), 1000);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!TSingleInstance::SendToggle(name, {}));
    QVERIFY(clock.elapsed() < 1000);
  }

  void toggleReachesTheListeningCalculator() {
    TSingleInstance instance(TSingleInstance::ServerName(m_data.filePath("one"), 1000));
    QVERIFY(instance.Listen());
    QSignalSpy toggles(&instance, &TSingleInstance::ToggleRequested);
    QVERIFY(ToggleWhileServing(instance.Name()));
    QTRY_COMPARE(toggles.size(), 1);
    QVERIFY(ToggleWhileServing(instance.Name()));
    QTRY_COMPARE(toggles.size(), 2);
  }

  void theSocketIsTheOwnersOnly() {
    TSingleInstance instance(TSingleInstance::ServerName(m_data.filePath("mode"), 1000));
    QVERIFY(instance.Listen());
    const QFile::Permissions others = QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup;
    QCOMPARE(QFileInfo(instance.Name()).permissions() & others, QFile::Permissions());
  }

  void activationTokenIsHandedOn() {
    qunsetenv("XDG_ACTIVATION_TOKEN");
    TSingleInstance instance(TSingleInstance::ServerName(m_data.filePath("token"), 1000));
    QVERIFY(instance.Listen());
    QSignalSpy toggles(&instance, &TSingleInstance::ToggleRequested);
    QVERIFY(ToggleWhileServing(instance.Name(), QStringLiteral("launcher-token-17")));
    QTRY_COMPARE(toggles.size(), 1);
    QCOMPARE(qgetenv("XDG_ACTIVATION_TOKEN"), QByteArray("launcher-token-17"));
    qunsetenv("XDG_ACTIVATION_TOKEN");
  }

  void leftoverOfACrashedRunIsReplaced() {
    const QString name = TSingleInstance::ServerName(m_data.filePath("crashed"), 1000);
    MakeLeftoverSocket(name);
    // ... and its lock, naming a process that has ended.
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    QVERIFY(gone > 0);
    ::waitpid(gone, nullptr, 0);
    QFile lock(name + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(gone) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();
    QVERIFY(!TSingleInstance::SendToggle(name, {}));
    TSingleInstance instance(name);
    QVERIFY(instance.Listen());
    QSignalSpy toggles(&instance, &TSingleInstance::ToggleRequested);
    QVERIFY(ToggleWhileServing(name));
    QTRY_COMPARE(toggles.size(), 1);
  }

  void secondCalculatorOnTheSameFolderLeavesTheFirstServing() {
    const QString name = TSingleInstance::ServerName(m_data.filePath("twice"), 1000);
    TSingleInstance first(name);
    QVERIFY(first.Listen());
    TSingleInstance second(name);
    QVERIFY(!second.Listen());
    QVERIFY(!second.IsListening());
    QSignalSpy toggles(&first, &TSingleInstance::ToggleRequested);
    QVERIFY(ToggleWhileServing(name));
    QTRY_COMPARE(toggles.size(), 1);
  }

  void otherRequestsAreRefused_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("other word") << QByteArray("quit\n");
    QTest::newRow("toggle as a prefix") << QByteArray("toggles\n");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\n", 4);
    QTest::newRow("endless line") << QByteArray(64 * 1024, 'x');
  }
  void otherRequestsAreRefused() {
    QFETCH(QByteArray, request);
    TSingleInstance instance(TSingleInstance::ServerName(m_data.filePath("refuse"), 1000));
    QVERIFY(instance.Listen());
    QSignalSpy toggles(&instance, &TSingleInstance::ToggleRequested);
    QLocalSocket client;
    client.connectToServer(instance.Name());
    QTRY_COMPARE(client.state(), QLocalSocket::ConnectedState);
    client.write(request);
    QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
    QVERIFY(!client.readAll().contains("ok"));
    QCOMPARE(toggles.size(), 0);
    // The server still answers a proper request afterwards.
    QVERIFY(ToggleWhileServing(instance.Name()));
    QTRY_COMPARE(toggles.size(), 1);
  }

  void silentClientIsDropped() {
    TSingleInstance instance(TSingleInstance::ServerName(m_data.filePath("silent"), 1000));
    QVERIFY(instance.Listen());
    QLocalSocket client;
    client.connectToServer(instance.Name());
    QTRY_COMPARE(client.state(), QLocalSocket::ConnectedState);
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 6000);
  }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
