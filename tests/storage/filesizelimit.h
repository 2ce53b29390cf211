// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sys/resource.h>

#include <csignal>

// Makes every write of more than limit bytes fail (as a full disk would)
// while it lives.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t limit) {
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit lim = m_old;
    lim.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &lim);
  }
  ~TFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }

 private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
};
