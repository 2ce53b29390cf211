// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program ends. The user's close (after its questions), SIGTERM,
// SIGHUP and SIGINT, the end of the desktop session and the toolkit's own
// quit all end the same way: the main window writes its history and its
// settings once, the other windows are hidden without their close handlers
// (which would write their own sections, or open error boxes that nobody is
// left to answer), and every event loop ends. The session manager's request
// for the user's data only writes: another program may yet cancel the logout.
#include <QObject>

#include "platform/terminationsignals.h"

class TProgramWindows;

class TProgramEnding : public QObject {
  Q_OBJECT
 public:
  // Takes over the application's ending; needs the application object.
  explicit TProgramEnding(TProgramWindows& windows, QObject* parent = nullptr);
  ~TProgramEnding() override;

  TProgramEnding(const TProgramEnding&) = delete;
  TProgramEnding& operator=(const TProgramEnding&) = delete;

  // A signal, the end of the session or a quit: the program ends unasked.
  void End();
  // The session manager asks for the user's data.
  void CommitData();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The main window has closed for good: the rest of the program goes.
  void Leave();

  TProgramWindows& m_windows;
  TTerminationSignals m_signals;
  bool m_left = false;
};
