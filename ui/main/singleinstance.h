// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One calculator per data folder and user, reachable by "tamrix --toggle":
// where the desktop lets no program grab a global key (a Wayland session),
// the desktop's own shortcut runs "tamrix --toggle", which asks the running
// calculator over a local socket to act as on its hot key and ends at once.
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;
class QLocalSocket;

class TSingleInstance : public QObject {
  Q_OBJECT
 public:
  // The socket's file name for one data folder and one user. The folder is
  // compared as its absolute path with symbolic links resolved as far as it
  // exists, so "--dir d", "--dir ./d/" and the same folder reached through a
  // link meet the same calculator.
  static QString SocketName(const QString& dataFolder, unsigned userId);
  // Its full path, in a folder only this process's user can enter
  // (PrivateRuntimeFolder); an empty text when there is none, and then no
  // calculator listens and no toggle is sent.
  static QString ServerName(const QString& dataFolder, unsigned userId);

  // Asks the calculator listening on serverName to toggle, handing on the
  // launcher's activation token (so a Wayland desktop lets it come to the
  // front). True only when it answered that it did; false at once when
  // nobody listens (also for a socket file left behind by a crashed run),
  // and, before anything is sent, when the listener is another user.
  static bool SendToggle(const QString& serverName, const QString& activationToken, int timeoutMs = 2000);

  explicit TSingleInstance(QString serverName, QObject* parent = nullptr);
  ~TSingleInstance() override;

  // Starts answering toggles. A socket file and lock that a killed
  // calculator left behind are replaced; false when another live calculator
  // already serves the name (this one then runs without answering).
  bool Listen();
  bool IsListening() const;
  const QString& Name() const { return m_name; }

 signals:
  // A "tamrix --toggle" asked for the hot-key action.
  void ToggleRequested();

 private:
  void ReadRequest(QLocalSocket* socket);

  QString m_name;
  std::unique_ptr<QLockFile> m_lock;  // held while this one serves the name
  QLocalServer* m_server = nullptr;
};
