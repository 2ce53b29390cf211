// SPDX-License-Identifier: GPL-3.0-or-later
// Another local user, for the tests of the "--toggle" socket (run it as
// nobody with setpriv):
//   stranger listen PATH RECORD   makes PATH's folder (open to all) if need
//                                 be, listens on PATH beside a lock file,
//                                 answers "ok" to anyone and appends what it
//                                 receives to RECORD; prints "ready" once
//                                 listening and runs until killed
//   stranger toggle PATH          sends a toggle; exit status 0 when answered
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <cstdio>
#include <sys/stat.h>

#include "ui/main/singleinstance.h"

namespace {

int Listen(const QString& path, const QString& record) {
  const QString folder = QFileInfo(path).path();
  QDir().mkpath(folder);
  ::chmod(QFile::encodeName(folder).constData(), 0777);
  QFile lock(path + QStringLiteral(".lock"));
  if (lock.open(QIODevice::WriteOnly)) lock.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n');
  lock.close();
  QLocalServer server;
  server.setSocketOptions(QLocalServer::WorldAccessOption);
  QLocalServer::removeServer(path);
  if (!server.listen(path)) return 2;
  QObject::connect(&server, &QLocalServer::newConnection, [&] {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, record] {
        QFile out(record);
        if (out.open(QIODevice::Append)) out.write(socket->readAll());
        socket->write("ok\n");
        socket->flush();
      });
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  std::puts("ready");
  std::fflush(stdout);
  return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 4 && args[1] == "listen") return Listen(args[2], args[3]);
  if (args.size() == 3 && args[1] == "toggle") return TSingleInstance::SendToggle(args[2], QStringLiteral("stolen")) ? 0 : 1;
  return 2;
}
