// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/builtins.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>

#include "engine/checkedops.h"
#include "engine/fpguard.h"
#include "engine/functable.h"
#include "engine/integerview.h"
#include "engine/zqerrors.h"

namespace {

enum FuncIndex {
  kSin, kCos, kTan, kArcSin, kArcCos, kArcTan, kExp, kLog2, kLn, kLg, kSqr, kSqrt,
  kFact, kAbs, kFrac, kInt, kRound, kCeil, kFloor, kOdd, kSign, kNot, kRol, kRor,
};
static_assert(kRor + 1 == kFuncCount, "one computation per FuncTable record");

constexpr Extended kTwoPow63 = 0x1p63L;
constexpr Extended kLog10Of2 = 0.301029995663981195213738894724493027L;
// Far below the exponent of the smallest denormal: e^X is 0 there, and the
// product X * log2 e must not be allowed to overflow into a fault.
constexpr Extended kExpUnderflowsBelow = -65536.0L;
// 1755! is the first factorial beyond the extended range.
constexpr int kFirstOverflowingFactorial = 1755;

// The result of an x87 operation that may fault, tested at once.
Extended Checked(Extended value) { return checked::Done(value); }

// The result of a library function, which may raise its faults in either
// floating-point unit: every flag is tested.
Extended CheckedCall(Extended value) {
  asm volatile("" : "+m"(value) : : "memory");
  CheckFpFaults();
  return value;
}

// X truncated toward zero to a 64-bit integer. The x87 cannot convert a
// value of magnitude 2^63 or more: that is an invalid operation.
std::int64_t TruncatedView(Extended x) {
  if (!(std::fabs(x) < kTwoPow63)) throw EZQArithmeticError(strid::InvalidOp);
  return static_cast<std::int64_t>(x);
}

bool HasFraction(Extended x) { return Checked(x - std::trunc(x)) != 0; }

Extended AngleOfArgument(Extended x, bool radians) {
  if (radians) return x;
  const Extended product = Checked(x * PiValue());
  return Checked(product / 180);
}

Extended AngleOfResult(Extended r, bool radians) {
  if (radians) return r;
  const Extended quotient = Checked(r / PiValue());
  return Checked(quotient * 180);
}

// The FPU leaves angles of magnitude 2^63 and more unreduced; such an angle
// has sine and cosine 0.
bool BeyondReduction(Extended angle) { return !(std::fabs(angle) < kTwoPow63); }

Extended Sine(Extended angle) { return BeyondReduction(angle) ? 0 : CheckedCall(std::sin(angle)); }
Extended Cosine(Extended angle) { return BeyondReduction(angle) ? 0 : CheckedCall(std::cos(angle)); }

Extended Tangent(Extended angle) {
  if (Cosine(angle) == 0) throw EZQParserError(strid::BadFunctionArg);
  return CheckedCall(std::tan(angle));
}

// sqrt(1 - x^2), the other leg for ARCSIN and ARCCOS; |x| <= 1 here.
Extended Complement(Extended x) {
  const Extended square = Checked(x * x);
  return CheckedCall(std::sqrt(Checked(1 - square)));
}

Extended ArcSin(Extended x) {
  if (std::fabs(x) > 1) throw EZQParserError(strid::BadFunctionArg);
  return CheckedCall(std::atan2(x, Complement(x)));
}

Extended ArcCos(Extended x) {
  if (std::fabs(x) > 1) throw EZQParserError(strid::BadFunctionArg);
  return CheckedCall(std::atan2(Complement(x), x));
}

// e^X as 2^(X log2 e): a result beyond the range overflows, a tiny one
// quietly becomes 0 (underflow is no fault).
Extended Exponential(Extended x) {
  if (x < kExpUnderflowsBelow) return 0;
  const Extended power = Checked(x * std::numbers::log2e_v<Extended>);
  return CheckedCall(exp2l(power));
}

Extended Log2(Extended x) {
  if (!(x > 0)) throw EZQParserError(strid::LogBelowZero);
  return CheckedCall(std::log2(x));
}

Extended Factorial(Extended x) {
  if (x < 0 || HasFraction(x)) throw EZQParserError(strid::BadFunctionArg);
  const std::int64_t n = IntegerView(x);
  // Every n from 1755 on (2^31 and more included) overflows; stop before
  // looping towards a product that cannot exist.
  if (n >= kFirstOverflowingFactorial) throw EZQArithmeticError(strid::Overflow);
  Extended product = 1;
  for (std::int64_t k = 1; k <= n; ++k) product = Checked(product * static_cast<Extended>(k));
  return product;
}

// Adding +0 turns a -0 from ceil or floor into the 0 an integer result has.
Extended Ceiling(Extended x) { return Checked(std::ceil(x) + 0.0L); }
Extended Floor(Extended x) { return Checked(std::floor(x) + 0.0L); }

Extended Odd(Extended x) {
  if (HasFraction(x)) throw EZQParserError(strid::BadFunctionArg);
  return (static_cast<std::uint64_t>(IntegerView(x)) & 1u) ? 1 : 0;
}

Extended Sign(Extended x) {
  if (x > 0) return 1;
  if (x < 0) return -1;
  return 0;
}

// Rotation of the low 32 bits of X's integer view by N modulo 32, read back
// as a signed 32-bit integer.
Extended Rotate(Extended x, Extended n, bool left) {
  RequireIntegers(x, n);
  const auto bits = static_cast<std::uint32_t>(static_cast<std::uint64_t>(IntegerView(x)));
  const unsigned count = static_cast<unsigned>(static_cast<std::uint64_t>(IntegerView(n)) & 31u);
  if (count == 0) return static_cast<std::int32_t>(bits);
  const std::uint32_t rotated = left ? (bits << count) | (bits >> (32 - count))
                                     : (bits >> count) | (bits << (32 - count));
  return static_cast<std::int32_t>(rotated);
}

}  // namespace

Extended ComputeFunction(int index, const Extended* args, bool angleRadians) {
  const Extended x = args[0];
  switch (index) {
    case kSin: return Sine(AngleOfArgument(x, angleRadians));
    case kCos: return Cosine(AngleOfArgument(x, angleRadians));
    case kTan: return Tangent(AngleOfArgument(x, angleRadians));
    case kArcSin: return AngleOfResult(ArcSin(x), angleRadians);
    case kArcCos: return AngleOfResult(ArcCos(x), angleRadians);
    case kArcTan: return AngleOfResult(CheckedCall(std::atan2(x, 1.0L)), angleRadians);
    case kExp: return Exponential(x);
    case kLog2: return Log2(x);
    case kLn: return Checked(Log2(x) * std::numbers::ln2_v<Extended>);
    case kLg: return Checked(Log2(x) * kLog10Of2);
    case kSqr: return Checked(x * x);
    case kSqrt:
      if (x < 0) throw EZQParserError(strid::RootBelowZero);
      return CheckedCall(std::sqrt(x));
    case kFact: return Factorial(x);
    case kAbs: return std::fabs(x);
    case kFrac: return Checked(x - std::trunc(x));
    case kInt: return static_cast<Extended>(TruncatedView(x));
    case kRound: return static_cast<Extended>(IntegerView(x));
    case kCeil: return Ceiling(x);
    case kFloor: return Floor(x);
    case kOdd: return Odd(x);
    case kSign: return Sign(x);
    case kNot: return static_cast<Extended>(~IntegerView(x));
    case kRol: return Rotate(x, args[1], true);
    case kRor: return Rotate(x, args[1], false);
    default: throw std::out_of_range("ComputeFunction: no built-in function with this index");
  }
}

Extended PiValue() {
  // Sign and exponent 4000h, significand C90FDAA22168C235h: the 64-bit
  // significand nearest to pi.
  return 0xC.90FDAA22168C235p-2L;
}

Extended EValue() { return std::exp(1.0L); }
