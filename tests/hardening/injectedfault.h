// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Switches one fault of the shim on for the lifetime of the object: calls on
// paths containing pathPart fail as mode says (see faultshim/faultshim.cpp).
#include <cstdlib>
#include <string>

extern "C" long tamrix_faultshim_hits(void);

class TInjectedFault {
 public:
  TInjectedFault(const std::string& mode, const std::string& pathPart) : m_start(tamrix_faultshim_hits()) {
    ::setenv("TAMRIX_FAULT_PATH", pathPart.c_str(), 1);
    ::setenv("TAMRIX_FAULT", mode.c_str(), 1);
  }
  ~TInjectedFault() {
    ::unsetenv("TAMRIX_FAULT");
    ::unsetenv("TAMRIX_FAULT_PATH");
  }
  TInjectedFault(const TInjectedFault&) = delete;
  TInjectedFault& operator=(const TInjectedFault&) = delete;

  // Calls failed by the shim since the fault was switched on.
  long Hits() const { return tamrix_faultshim_hits() - m_start; }

 private:
  long m_start;
};
