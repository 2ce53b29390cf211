// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/programending.h"

#include <QApplication>
#include <QSessionManager>
#include <QWidget>

#include "ui/main/programwindows.h"

TProgramEnding::TProgramEnding(TProgramWindows& windows, QObject* parent)
    : QObject(parent), m_windows(windows) {
  // The program ends when the main window has closed for good, also when it
  // sits hidden in the notification area.
  QApplication::setQuitOnLastWindowClosed(false);
  // The toolkit's quit (the session manager's "die" comes as one too) would
  // send a close event to every window: the questions and the close handlers
  // of the windows are not for an ending nobody can stop.
  qApp->installEventFilter(this);
  TfrmMain& frmMain = m_windows.frmMain;
  connect(&frmMain, &TfrmMain::Closed, this, &TProgramEnding::Leave);
  connect(&m_signals, &TTerminationSignals::Requested, this, &TProgramEnding::End);
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { CommitData(); });
  connect(qApp, &QCoreApplication::aboutToQuit, this, &TProgramEnding::End);
}

TProgramEnding::~TProgramEnding() { qApp->removeEventFilter(this); }

void TProgramEnding::End() {
  // Written and hidden at once; a close that waits for an answer finishes
  // unasked as soon as Leave has taken its question away.
  m_windows.frmMain.EndSession();
  Leave();
}

void TProgramEnding::CommitData() { m_windows.frmMain.SaveSession(); }

void TProgramEnding::Leave() {
  // The application's exit announces itself (aboutToQuit), which leads here again.
  if (m_left) return;
  m_left = true;
  // Hiding ends a modal dialog's or a message box's own loop, as a cancel
  // would, and runs none of their close handlers.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != &m_windows.frmMain && window->isVisible()) window->hide();
  }
  // Every running loop ends, the nested ones of open dialogs included.
  QCoreApplication::exit(0);
}

bool TProgramEnding::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qApp && event->type() == QEvent::Quit) {
    End();
    event->accept();
    return true;
  }
  return QObject::eventFilter(watched, event);
}
