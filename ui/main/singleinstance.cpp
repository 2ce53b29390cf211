// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QTimer>
#include <unistd.h>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/activationtoken.h"
#include "ui/main/peercredentials.h"
#include "ui/main/privatefolder.h"

namespace {

// The request is one line, then an optional line with the launcher's
// activation token; the answer is one line.
constexpr char kToggle[] = "toggle";
constexpr char kTokenPrefix[] = "token=";
constexpr char kAnswer[] = "ok\n";
// A request longer than this is no toggle; the connection is dropped.
constexpr qint64 kMaxRequest = 4096;
// A client that connects and says nothing is dropped after this.
constexpr int kRequestWaitMs = 3000;

QString NormalisedFolder(const QString& dataFolder) {
  const QByteArray absolute = QFile::encodeName(QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath()));
  std::error_code ec;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute.toStdString(), ec);
  if (ec) return QFile::decodeName(absolute);
  return QDir::cleanPath(QFile::decodeName(QByteArray::fromStdString(resolved.string())));
}

}  // namespace

QString TSingleInstance::SocketName(const QString& dataFolder, unsigned userId) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArray::number(userId));
  hash.addData(QByteArrayView("\0", 1));
  hash.addData(NormalisedFolder(dataFolder).toUtf8());
  return QStringLiteral("tamrix-%1").arg(QString::fromLatin1(hash.result().toHex().left(16)));
}

QString TSingleInstance::ServerName(const QString& dataFolder, unsigned userId) {
  // The folder is the one of the user this process runs as: only there can
  // it listen, and only there is a socket nobody else can have put.
  const QString folder = PrivateRuntimeFolder(::geteuid());
  if (folder.isEmpty()) return {};
  return QDir(folder).filePath(SocketName(dataFolder, userId));
}

bool TSingleInstance::SendToggle(const QString& serverName, const QString& activationToken, int timeoutMs) {
  if (serverName.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(serverName);
  if (!socket.waitForConnected(timeoutMs)) return false;
  // The token and the belief in an "ok" are for our own calculator only.
  if (!PeerIsUser(socket.socketDescriptor(), ::geteuid())) {
    socket.abort();
    return false;
  }
  QByteArray request = QByteArray(kToggle) + '\n';
  const QByteArray token = activationToken.toUtf8();
  if (!token.isEmpty() && !token.contains('\n')) request += kTokenPrefix + token + '\n';
  socket.write(request);
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(timeoutMs)) return false;
  }
  return socket.readLine() == kAnswer;
}

TSingleInstance::TSingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName)) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::IsListening() const { return m_server && m_server->isListening(); }

bool TSingleInstance::Listen() {
  if (IsListening()) return true;
  if (m_name.isEmpty()) return false;  // no private folder to listen in
  // The toolkit's listen replaces a socket file that is in use, cutting off
  // the calculator behind it; the lock decides who serves the name. The
  // lock of a calculator that was killed names a process that is gone and
  // is taken over.
  auto lock = std::make_unique<QLockFile>(m_name + QStringLiteral(".lock"));
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return false;
  QLocalServer::removeServer(m_name);  // a leftover of a killed calculator
  auto server = std::make_unique<QLocalServer>(this);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(m_name)) return false;
  m_lock = std::move(lock);
  m_server = server.release();
  connect(m_server, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
      // Another user cannot reach the private folder; should one get in
      // all the same, it is dropped before a byte is read.
      if (!PeerIsUser(socket->socketDescriptor(), ::geteuid())) {
        socket->abort();
        socket->deleteLater();
        continue;
      }
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
      // A client that never finishes its request does not keep a socket.
      QTimer::singleShot(kRequestWaitMs, socket, [socket] { socket->abort(); });
      ReadRequest(socket);
    }
  });
  return true;
}

void TSingleInstance::ReadRequest(QLocalSocket* socket) {
  if (socket->property("answered").toBool()) return;
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() > kMaxRequest) socket->abort();
    return;
  }
  const QByteArray line = socket->readLine(kMaxRequest).trimmed();
  if (line != kToggle) {
    socket->abort();
    return;
  }
  // The token line comes in the same write; one missing is no error.
  const QByteArray next = socket->canReadLine() ? socket->readLine(kMaxRequest).trimmed() : QByteArray();
  if (next.startsWith(kTokenPrefix) && next.size() > qsizetype(sizeof kTokenPrefix - 1)) {
    const QByteArray token = next.mid(sizeof kTokenPrefix - 1);
    // Read by the toolkit when the window asks to be activated on Wayland.
    OfferActivationToken(QString::fromUtf8(token));
  }
  socket->setProperty("answered", true);
  socket->write(kAnswer);
  socket->flush();
  // Answer first: the client is waiting and exits at once, whatever the
  // window then does.
  QPointer<TSingleInstance> self(this);
  QTimer::singleShot(0, this, [self] {
    if (self) emit self->ToggleRequested();
  });
  socket->disconnectFromServer();
}
