// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The floating-point state of one evaluation: x87 arithmetic with the 64-bit
// significand, rounding to nearest, every exception masked (faults are found
// by testing the flags after each operation, never by traps) and every flag
// clear. The caller's control words and flags come back on destruction,
// whatever it had set.
//
// The registers are read and written directly: the library's environment
// calls store and load the whole x87 environment, which costs more than a
// typical evaluation. That slow path is taken only when the caller left x87
// flags raised, which then have to be put back.
#include <cstdint>

class TEvaluationFpScope {
 public:
  TEvaluationFpScope() {
    asm volatile("fnstcw %0" : "=m"(m_control) : : "memory");
    asm volatile("fnstsw %0" : "=m"(m_status) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(m_mxcsr) : : "memory");
    const std::uint16_t control = kX87Control;
    const std::uint32_t mxcsr = kSseControl;
    asm volatile("fnclex\n\tfldcw %0\n\tldmxcsr %1" : : "m"(control), "m"(mxcsr) : "memory");
  }

  ~TEvaluationFpScope() {
    asm volatile("fnclex" : : : "memory");
    if (m_status & kFlagBits) RestoreX87Flags(static_cast<std::uint16_t>(m_status & kFlagBits));
    asm volatile("fldcw %0\n\tldmxcsr %1" : : "m"(m_control), "m"(m_mxcsr) : "memory");
  }

  TEvaluationFpScope(const TEvaluationFpScope&) = delete;
  TEvaluationFpScope& operator=(const TEvaluationFpScope&) = delete;

 private:
  // x87: all six exceptions masked, 64-bit significand, round to nearest.
  static constexpr std::uint16_t kX87Control = 0x037F;
  // SSE: all exceptions masked, round to nearest, flags clear.
  static constexpr std::uint32_t kSseControl = 0x1F80;
  static constexpr std::uint16_t kFlagBits = 0x3F;

  // The 28-byte x87 environment as stored in 32-bit format.
  struct TX87Environment {
    std::uint16_t control, unused1, status, unused2, tag, unused3;
    std::uint32_t instruction;
    std::uint16_t codeSegment, opcode;
    std::uint32_t operand;
    std::uint16_t dataSegment, unused4;
  };
  static_assert(sizeof(TX87Environment) == 28);

  static void RestoreX87Flags(std::uint16_t flags) {
    TX87Environment env;
    asm volatile("fnstenv %0" : "=m"(env) : : "memory");
    env.status = static_cast<std::uint16_t>((env.status & ~kFlagBits) | flags);
    asm volatile("fldenv %0" : : "m"(env) : "memory");
  }

  std::uint16_t m_control = 0;
  std::uint16_t m_status = 0;
  std::uint32_t m_mxcsr = 0;
};
