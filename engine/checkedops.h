#pragma once
// Extended arithmetic that reports a fault at the operation that caused it.
// Each result is forced out of the registers before the flags are tested, so
// the compiler cannot move the operation past the test.
#include "engine/fpguard.h"
#include "engine/zqvalue.h"

namespace checked {

inline Extended Done(Extended x) {
  asm volatile("" : "+m"(x) : : "memory");
  CheckFpFaults();
  return x;
}

inline Extended Add(Extended a, Extended b) { return Done(a + b); }
inline Extended Sub(Extended a, Extended b) { return Done(a - b); }
inline Extended Mul(Extended a, Extended b) { return Done(a * b); }
inline Extended Div(Extended a, Extended b) { return Done(a / b); }

}  // namespace checked
