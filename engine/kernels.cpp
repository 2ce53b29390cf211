// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/kernels.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "engine/zqerrors.h"

using namespace pair;

namespace {

// ln 2 in three parts; the first has 48 bits, so k times it is exact for
// every exponent k of the extended range.
constexpr Extended kLn2Hi = 0xb.17217f7d1cfp-4L;
constexpr Extended kLn2Mid = 0xf.35793c7673007e6p-53L;
constexpr Extended kLn2Lo = -0x9.50bf0cbcd98d675p-120L;
constexpr Extended kLog2OfE = 1.44269504088896340736L;
// pi/2 in three parts of 64 bits.
constexpr Extended kHalfPi1 = 0xc.90fdaa22168c235p-3L;
constexpr Extended kHalfPi2 = -0xe.ce675d1fc8f8cbbp-69L;
constexpr Extended kHalfPi3 = -0xb.7ed8fbbacc19c6p-134L;
constexpr Extended kTwoOverPi = 0.636619772367581343076L;

// Beyond these, e^x overflows or is below the smallest denormal.
constexpr Extended kExpOverflowsAbove = 11357.3L;
constexpr Extended kExpVanishesBelow = -11500;

// x rounded to an integer (|x| below 2^62): adding 1.5 * 2^63 leaves no
// fraction bits, so the sum is rounded to an integer, to nearest.
Extended NearestInteger(Extended x) {
  constexpr Extended kShifter = 0x1.8p63L;
  return (x + kShifter) - kShifter;
}

// 2^k for a normal exponent k, built from its bits.
constexpr int kSafeScale = 16300;
Extended PowerOfTwo(int k) {
  const std::uint64_t significand = std::uint64_t{1} << 63;
  const auto signExponent = static_cast<std::uint16_t>(k + 16383);
  unsigned char bytes[sizeof(Extended)] = {};
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &signExponent, 2);
  Extended value = 0;
  std::memcpy(&value, bytes, sizeof(Extended));
  return value;
}

// Horner's rule on coefficients c[0] + z c[1] + z^2 c[2] + ...
template <std::size_t N>
Extended Polynomial(const Extended (&c)[N], Extended z) {
  Extended sum = c[N - 1];
  for (std::size_t i = N - 1; i-- > 0;) sum = sum * z + c[i];
  return sum;
}

// 1/3! to 1/17!: e^r = 1 + r + r^2/2 + r^3 (1/3! + r/4! + ...), |r| <= 0.35.
constexpr Extended kExpTail[] = {
    0xa.aaaaaaaaaaaaaabp-6L,  0xa.aaaaaaaaaaaaaabp-8L,  0x8.888888888888889p-10L,
    0xb.60b60b60b60b60bp-13L, 0xd.00d00d00d00d00dp-16L, 0xd.00d00d00d00d00dp-19L,
    0xb.8ef1d2ab6399c7dp-22L, 0x9.3f27dbbc4fae397p-25L, 0xd.7322b3faa271c7fp-29L,
    0x8.f76c77fc6c4bdaap-32L, 0xb.092309d43684be5p-36L, 0xc.9cba54603e4e906p-40L,
    0xd.73f9f399dc0f88fp-44L, 0xd.73f9f399dc0f88fp-48L, 0xc.a963b81856a5359p-52L,
};

// ln((1+s)/(1-s)) = 2s + s z (2/3 + z (2/5 + z (2/7 + z (2/9 + z R(z))))),
// z = s^2 <= 0.0295. The first four coefficients are pairs: "^" multiplies
// the logarithm by up to about 11400 and needs it to some 85 bits.
constexpr TPair kLnPairCoefficients[] = {
    {0xa.aaaaaaaaaaaaaabp-4L, -0xa.aaaaaaaaaaaaaabp-69L},  // 2/3
    {0xc.ccccccccccccccdp-5L, -0xc.ccccccccccccccdp-71L},  // 2/5
    {0x9.249249249249249p-5L, 0x9.249249249249249p-71L},   // 2/7
    {0xe.38e38e38e38e38ep-6L, 0xe.38e38e38e38e38ep-72L},   // 2/9
};
// R(z): 2/11, 2/13, ... 2/29.
constexpr Extended kLnTail[] = {
    0xb.a2e8ba2e8ba2e8cp-6L, 0x9.d89d89d89d89d8ap-6L, 0x8.888888888888889p-6L,
    0xf.0f0f0f0f0f0f0f1p-7L, 0xd.79435e50d79435ep-7L, 0xc.30c30c30c30c30cp-7L,
    0xb.21642c8590b2164p-7L, 0xa.3d70a3d70a3d70ap-7L, 0x9.7b425ed097b425fp-7L,
    0x8.d3dcb08d3dcb08dp-7L,
};

// sin t = t + t^3 (-1/3! + z (1/5! - z/7! + ...)), z = t^2, up to t^21.
constexpr TPair kMinusSixth = {-0xa.aaaaaaaaaaaaaabp-6L, 0xa.aaaaaaaaaaaaaabp-71L};
constexpr Extended kSinTail[] = {
    0x8.888888888888889p-10L,  -0xd.00d00d00d00d00dp-16L, 0xb.8ef1d2ab6399c7dp-22L,
    -0xd.7322b3faa271c7fp-29L, 0xb.092309d43684be5p-36L,  -0xd.73f9f399dc0f88fp-44L,
    0xc.a963b81856a5359p-52L,  -0x9.7a4da340a0ab926p-60L, 0xb.8dc77b6e7ab8c5fp-69L,
};

// cos t = 1 - z/2 + z^2 (1/4! + z (-1/6! + z/8! - ...)), up to t^22.
constexpr TPair kTwentyFourth = {0xa.aaaaaaaaaaaaaabp-8L, -0xa.aaaaaaaaaaaaaabp-73L};
constexpr Extended kCosTail[] = {
    -0xb.60b60b60b60b60bp-13L, 0xd.00d00d00d00d00dp-19L,  -0x9.3f27dbbc4fae397p-25L,
    0x8.f76c77fc6c4bdaap-32L,  -0xc.9cba54603e4e906p-40L, 0xd.73f9f399dc0f88fp-48L,
    -0xb.413c31dcbecbbdep-56L, 0xf.2a15d201011283dp-65L,  -0x8.671cb6dbfc294a3p-73L,
};

}  // namespace

TPair Log10OfE() { return {0xd.e5bd8a937287195p-5L, 0xd.56eaabeb4cf70c9p-71L}; }
TPair DegreesPerRadian() { return {0xe.52ee0d31e0fbdc3p+2L, 0xa.97537f40d257d73p-66L}; }
TPair RadiansPerDegree() { return {0x8.efa351294e9c8aep-9L, 0xe.c5f66e9485c4d9p-77L}; }
TPair HalfPi() { return FastTwoSum(kHalfPi1, kHalfPi2); }

Extended ExpRounded(TPair x) {
  if (x.hi > kExpOverflowsAbove) throw EZQArithmeticError(strid::Overflow);
  if (x.hi < kExpVanishesBelow) return 0;
  // x = k ln 2 + r, |r| <= 0.35; k ln 2 is taken off in three exact steps.
  const Extended k = NearestInteger(x.hi * kLog2OfE);
  const TPair head = TwoSum(x.hi, -k * kLn2Hi);
  const TPair r = Add(head, Of((x.lo - k * kLn2Mid) - k * kLn2Lo));
  const Extended rh = r.hi;
  const TPair square = TwoProduct(rh, rh);
  const Extended tail = rh * square.hi * Polynomial(kExpTail, rh);
  const TPair halfSquare = FastTwoSum(square.hi / 2, (square.lo / 2 + rh * r.lo) + tail);
  const TPair e = Add(Of(1), Add(r, halfSquare));
  // Scaling by 2^k is exact unless the result is denormal or overflows; the
  // library raises the overflow flag then.
  const int power = static_cast<int>(k);
  if (power > -kSafeScale && power < kSafeScale) return Rounded(e) * PowerOfTwo(power);
  return std::scalbn(Rounded(e), power);
}

TPair LnPair(Extended x) {
  int k = 0;
  Extended m = std::frexp(x, &k);
  if (m < 0.707106781186547524401L) {
    m *= 2;
    --k;
  }
  // ln m = 2 atanh(s), s = (m - 1) / (m + 1); m - 1 is exact here.
  const Extended f = m - 1;
  const TPair d = FastTwoSum(2, f);
  const Extended sh = f / d.hi;
  const TPair p = TwoProduct(sh, d.hi);
  const Extended sl = (((f - p.hi) - p.lo) - sh * d.lo) / d.hi;
  const TPair sPair = FastTwoSum(sh, sl);
  TPair z = TwoProduct(sh, sh);
  z = FastTwoSum(z.hi, z.lo + 2 * sh * sl);
  TPair u = Of(Polynomial(kLnTail, z.hi));
  for (std::size_t i = std::size(kLnPairCoefficients); i-- > 0;)
    u = Add(kLnPairCoefficients[i], Mul(z, u));
  const TPair lnM = Add({2 * sPair.hi, 2 * sPair.lo}, Mul(Mul(sPair, z), u));
  const Extended kk = static_cast<Extended>(k);
  const TPair kLn2 = FastTwoSum(kk * kLn2Hi, kk * kLn2Mid + kk * kLn2Lo);
  return Add(kLn2, lnM);
}

namespace {
TPair Square(TPair t) {
  const TPair z = TwoProduct(t.hi, t.hi);
  return FastTwoSum(z.hi, z.lo + 2 * t.hi * t.lo);
}

TPair SinOf(TPair t, TPair z) {
  const Extended zh = z.hi;
  const TPair factor = Add(kMinusSixth, Of(zh * Polynomial(kSinTail, zh)));
  return Add(t, Mul(Mul(t, z), factor));
}

TPair CosOf(TPair z) {
  const Extended zh = z.hi;
  const TPair factor = Add(kTwentyFourth, Of(zh * Polynomial(kCosTail, zh)));
  const TPair halfZ = {-z.hi / 2, -z.lo / 2};
  return Add(Of(1), Add(halfZ, Mul(Mul(z, z), factor)));
}

struct TReduced {
  TPair t;
  int quadrant;  // y = t + quadrant pi/2, modulo 2 pi
};

TReduced ReducedByHalfPi(TPair y) {
  const Extended j = NearestInteger(y.hi * kTwoOverPi);
  // j is small: y - j pi/2 loses nothing but the far end of pi/2's third part.
  const TPair p1 = TwoProduct(j, kHalfPi1);
  const TPair p2 = TwoProduct(j, kHalfPi2);
  TPair t = Add(TwoSum(y.hi, -p1.hi), Of(y.lo - p1.lo));
  t = Add(t, Neg(p2));
  t = Add(t, Of(-j * kHalfPi3));
  return {t, static_cast<int>(j) & 3};
}
}  // namespace

TPair SinReduced(TPair t) { return SinOf(t, Square(t)); }
TPair CosReduced(TPair t) { return CosOf(Square(t)); }

TSinCos SinCosReduced(TPair t) {
  const TPair z = Square(t);
  return {SinOf(t, z), CosOf(z)};
}

TPair SinNear(TPair y) {
  const TReduced r = ReducedByHalfPi(y);
  const TPair v = r.quadrant % 2 ? CosReduced(r.t) : SinReduced(r.t);
  return r.quadrant >= 2 ? Neg(v) : v;
}

TPair CosNear(TPair y) {
  const TReduced r = ReducedByHalfPi(y);
  const TPair v = r.quadrant % 2 ? SinReduced(r.t) : CosReduced(r.t);
  return r.quadrant == 1 || r.quadrant == 2 ? Neg(v) : v;
}

TSinCos SinCosNear(TPair y) {
  const TReduced r = ReducedByHalfPi(y);
  const TSinCos v = SinCosReduced(r.t);
  switch (r.quadrant) {
    case 0: return v;
    case 1: return {v.cos, Neg(v.sin)};
    case 2: return {Neg(v.sin), Neg(v.cos)};
    default: return {Neg(v.cos), v.sin};
  }
}
