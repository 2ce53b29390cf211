// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Extended arithmetic that reports a fault at the operation that caused it.
// Each result is forced out of the registers before the flags are tested, so
// the compiler cannot move the operation past the test.
#include <cfenv>
#include <cstdint>

#include "engine/fpguard.h"
#include "engine/zqvalue.h"

namespace checked {

// The x87 status word shows invalid, division by zero or overflow. All the
// arithmetic here is x87, so this quick test sees every fault it raises;
// CheckFpFaults then looks at both units and throws.
inline bool X87FaultRaised() {
  std::uint16_t status;
  asm volatile("fnstsw %0" : "=am"(status) : : "memory");
  return (status & (FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW)) != 0;
}

inline Extended Done(Extended x) {
  asm volatile("" : "+m"(x) : : "memory");
  if (X87FaultRaised()) CheckFpFaults();
  return x;
}

// After a library function, which may raise its faults in either unit.
inline Extended DoneInLibrary(Extended x) {
  asm volatile("" : "+m"(x) : : "memory");
  CheckFpFaults();
  return x;
}

inline Extended Add(Extended a, Extended b) { return Done(a + b); }
inline Extended Sub(Extended a, Extended b) { return Done(a - b); }
inline Extended Mul(Extended a, Extended b) { return Done(a * b); }
inline Extended Div(Extended a, Extended b) { return Done(a / b); }

}  // namespace checked
