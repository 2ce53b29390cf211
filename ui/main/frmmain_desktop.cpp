// SPDX-License-Identifier: GPL-3.0-or-later
// The main window where the desktop keeps some abilities to itself (a
// Wayland session): what the window does instead of what it cannot.
#include <QLoggingCategory>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QWindow>

#include "ui/widgets/buttonhint.h"
#include "ui/main/frmmain.h"

namespace {
// Whether the toolkit handed the desktop a move: silent unless asked for
// with QT_LOGGING_RULES="tamrix.move.info=true" (the end-to-end run does),
// as the desktop may still ignore a move that no pointer press began.
Q_LOGGING_CATEGORY(lcMove, "tamrix.move", QtWarningMsg)
}  // namespace

bool TfrmMain::HideToTrayDirectly() {
  // Such a desktop takes the request to minimise and never reports the
  // window minimised, so the hiding cannot wait for that report.
  if (m_abilities.ReportsMinimized || !InTray || !TrayAvailable()) return false;
  ForgetStaleHover();
  HideCompanionWindows();
  m_inTrayDirectly = true;
  TrayIcon->show();
  hide();
  return true;
}

void TfrmMain::ReturnFromTray() {
  if (!m_inTrayDirectly) return;
  m_inTrayDirectly = false;
  ShowCompanionWindows();
}

bool TfrmMain::ShowOnTopUnavailable() {
  if (m_abilities.KeepsOnTop) return false;
  // Switching the window's flags there only re-creates it elsewhere on the
  // screen; the desktop's own window menu has the setting.
  btnOnTop->setEnabled(false);
  SetHint(btnOnTop, tr("Поверх всех окон: здесь недоступно,\nвыберите «Поверх других окон» в меню окна рабочего стола"));
  return true;
}

QPoint TfrmMain::PlaceToSave() const {
  // Where the desktop places windows itself, the window's coordinates say
  // nothing about where it stands; the stored place is kept for a desktop
  // that honours it.
  return m_abilities.PlacesWindows ? pos() : m_storedPlace;
}

bool TfrmMain::StartDesktopMove() {
  // Where the program cannot move its window, the desktop moves it with the
  // pointer; elsewhere the window menu's own move runs.
  if (m_abilities.PlacesWindows) return false;
  QWindow* window = windowHandle();
  const bool started = window && window->startSystemMove();
  qCInfo(lcMove, "the desktop's move %s", started ? "requested" : "refused");
  return started;
}
