// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/builtins.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "engine/checkedops.h"
#include "engine/factorial.h"
#include "engine/fpguard.h"
#include "engine/functable.h"
#include "engine/integerview.h"
#include "engine/kernels.h"
#include "engine/trigonometry.h"
#include "engine/zqerrors.h"

namespace {

enum FuncIndex {
  kSin, kCos, kTan, kArcSin, kArcCos, kArcTan, kExp, kLog2, kLn, kLg, kSqr, kSqrt,
  kFact, kAbs, kFrac, kInt, kRound, kCeil, kFloor, kOdd, kSign, kNot, kRol, kRor,
};
static_assert(kRor + 1 == kFuncCount, "one computation per FuncTable record");

constexpr Extended kTwoPow63 = 0x1p63L;
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

Extended ArcSin(Extended x, bool radians) {
  if (std::fabs(x) > 1) throw EZQParserError(strid::BadFunctionArg);
  return CheckedCall(ArcSine(x, radians));
}

Extended ArcCos(Extended x, bool radians) {
  if (std::fabs(x) > 1) throw EZQParserError(strid::BadFunctionArg);
  return CheckedCall(ArcCosine(x, radians));
}

// e^X: a result beyond the range overflows, a tiny one quietly becomes 0
// (underflow is no fault).
Extended Exponential(Extended x) { return CheckedCall(ExpRounded(pair::Of(x))); }

void RequirePositive(Extended x) {
  if (!(x > 0)) throw EZQParserError(strid::LogBelowZero);
}

Extended Log2(Extended x) {
  RequirePositive(x);
  return CheckedCall(std::log2(x));
}

Extended NaturalLog(Extended x) {
  RequirePositive(x);
  return CheckedCall(pair::Rounded(LnPair(x)));
}

Extended DecimalLog(Extended x) {
  RequirePositive(x);
  return CheckedCall(pair::Rounded(pair::Mul(LnPair(x), Log10OfE())));
}

Extended Factorial(Extended x) {
  if (x < 0 || HasFraction(x)) throw EZQParserError(strid::BadFunctionArg);
  const std::int64_t n = IntegerView(x);
  // Every n from 1755 on (2^31 and more included) overflows.
  if (n >= kFirstOverflowingFactorial) throw EZQArithmeticError(strid::Overflow);
  return FactorialOf(n);
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
    case kSin: return CheckedCall(Sine(x, angleRadians));
    case kCos: return CheckedCall(Cosine(x, angleRadians));
    case kTan: return CheckedCall(Tangent(x, angleRadians));
    case kArcSin: return ArcSin(x, angleRadians);
    case kArcCos: return ArcCos(x, angleRadians);
    case kArcTan: return CheckedCall(ArcTangent(x, angleRadians));
    case kExp: return Exponential(x);
    case kLog2: return Log2(x);
    case kLn: return NaturalLog(x);
    case kLg: return DecimalLog(x);
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
