// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Floating-point fault detection. The flags are kept clear between
// operations: each arithmetic step is followed by CheckFpFaults(), which
// throws at the operation that raised a fault, so a set flag never survives
// to be blamed on a later operation.
#include <cfenv>
#include <type_traits>

#include "engine/zqerrors.h"

inline constexpr int kFpFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Throws EZQArithmeticError (65505, 65506 or 65507) when the last operations
// raised invalid, division by zero or overflow; clears every flag.
inline void CheckFpFaults() {
  const int raised = std::fetestexcept(kFpFaults);
  if (raised == 0) return;
  std::feclearexcept(FE_ALL_EXCEPT);
  if (raised & FE_INVALID) throw EZQArithmeticError(strid::InvalidOp);
  if (raised & FE_DIVBYZERO) throw EZQArithmeticError(strid::ZeroDivide);
  throw EZQArithmeticError(strid::Overflow);
}

// Runs f as a guarded region: an engine message raised inside passes out
// unchanged, any arithmetic fault becomes the engine message messageId.
template <class F>
auto Guarded(int messageId, F&& f) -> decltype(f()) {
  try {
    if constexpr (std::is_void_v<decltype(f())>) {
      f();
      CheckFpFaults();
    } else {
      auto result = f();
      CheckFpFaults();
      return result;
    }
  } catch (const EZQArithmeticError&) {
    std::feclearexcept(FE_ALL_EXCEPT);
    throw EZQParserError(messageId);
  }
}
