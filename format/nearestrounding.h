// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sets rounding to nearest for a scope when the caller left another
// direction in force: the formats are defined with rounding to nearest
// (and printf follows the direction in force). Costs one control-word read
// in the usual case.
#include <cfenv>

class TNearestRounding {
 public:
  TNearestRounding() : m_saved(std::fegetround()) {
    if (m_saved != FE_TONEAREST) std::fesetround(FE_TONEAREST);
  }
  ~TNearestRounding() {
    if (m_saved != FE_TONEAREST) std::fesetround(m_saved);
  }
  TNearestRounding(const TNearestRounding&) = delete;
  TNearestRounding& operator=(const TNearestRounding&) = delete;

 private:
  int m_saved;
};
