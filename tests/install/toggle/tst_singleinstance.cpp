// SPDX-License-Identifier: GPL-3.0-or-later
// The local socket behind "tamrix --toggle": one name per data folder and
// user, the request and its answer, leftovers of crashed runs, a second
// calculator on the same folder, and requests that are not toggles.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <future>
#include <QSysInfo>
#include <sys/socket.h>
#include <sys/wait.h>
#include <sys/un.h>
#include <unistd.h>

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

  void withoutRuntimeFolderTheNameCarriesTheUser() {
    qunsetenv("XDG_RUNTIME_DIR");
    const QString name = TSingleInstance::ServerName(m_data.path(), 4321);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    QVERIFY(name.startsWith(QStringLiteral("tamrix-4321-")));
    QVERIFY(!name.contains(QLatin1Char('/')));
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
