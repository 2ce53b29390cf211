// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGHUP and SIGINT turned into a Qt signal. The handler only writes
// the signal's number into a socket pair; the event loop reads it and emits
// Requested, where anything may be done. After the first request the three
// signals take their default action again, so a second one ends a program
// whose ending hangs.
#include <QObject>

class QSocketNotifier;

class TTerminationSignals : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers; needs the application object.
  explicit TTerminationSignals(QObject* parent = nullptr);
  // Restores the actions that were in force before.
  ~TTerminationSignals() override;

  TTerminationSignals(const TTerminationSignals&) = delete;
  TTerminationSignals& operator=(const TTerminationSignals&) = delete;

 signals:
  // One of the three signals arrived (its number).
  void Requested(int signalNumber);

 private:
  void Read();
  void RestoreActions();

  QSocketNotifier* m_notifier = nullptr;
  bool m_installed = false;
};
