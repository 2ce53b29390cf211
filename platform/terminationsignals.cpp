// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminationsignals.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

// The pair is process-wide, as the handler is: [0] is read, [1] written.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[kSignals.size()];

extern "C" void OnTerminationSignal(int signalNumber) {
  // Only async-signal-safe calls here; a full pipe drops the byte, and one
  // byte waiting is enough.
  const int savedErrno = errno;
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
  errno = savedErrno;
}

}  // namespace

TTerminationSignals::TTerminationSignals(QObject* parent) : QObject(parent) {
  if (g_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_pipe) != 0) {
    g_pipe[0] = g_pipe[1] = -1;
    qWarning("termination signals: no socket pair, the signals keep their default action");
    return;
  }
  m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &TTerminationSignals::Read);
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    ::sigaction(kSignals[i], &action, &g_previous[i]);
    // A signal the starter chose to ignore (nohup) stays ignored.
    if (g_previous[i].sa_handler == SIG_IGN) ::sigaction(kSignals[i], &g_previous[i], nullptr);
  }
  m_installed = true;
}

TTerminationSignals::~TTerminationSignals() { RestoreActions(); }

void TTerminationSignals::RestoreActions() {
  if (!m_installed) return;
  m_installed = false;
  for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &g_previous[i], nullptr);
}

void TTerminationSignals::Read() {
  unsigned char byte = 0;
  int received = 0;
  while (::read(g_pipe[0], &byte, 1) == 1) received = byte;  // drain: several signals are one request
  if (received == 0 || !m_installed) return;
  RestoreActions();
  emit Requested(received);
}
