// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The caller's floating-point state (SSE and x87 control words, rounding
// mode, fault flags), which the engine and the formats must hand back as
// they found it.
#include <cfenv>
#include <cstdint>

struct TFpState {
  std::uint16_t X87Control = 0;
  std::uint32_t SseControl = 0;  // without its flag bits
  int Rounding = 0;
  int Flags = 0;

  static TFpState Now() {
    TFpState s;
    __asm__ volatile("fnstcw %0" : "=m"(s.X87Control));
    std::uint32_t mxcsr = 0;
    __asm__ volatile("stmxcsr %0" : "=m"(mxcsr));
    s.SseControl = mxcsr & ~0x3Fu;
    s.Rounding = std::fegetround();
    s.Flags = std::fetestexcept(FE_ALL_EXCEPT);
    return s;
  }
  bool SameControl(const TFpState& o) const {
    return X87Control == o.X87Control && SseControl == o.SseControl && Rounding == o.Rounding;
  }
};
