// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in functions and "^" against MPFR: over random arguments across
// each function's whole domain (log-uniform in magnitude, and close to 1
// where a function is delicate there), every result must be MPFR's exact
// value rounded to extended precision or one of its two neighbours; where
// that rounded value is infinite, the function must fail with its message.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <random>
#include <string>

#include "engine/builtins.h"
#include "engine/evaluationfpscope.h"
#include "engine/fpguard.h"
#include "engine/functable.h"
#include "engine/power.h"
#include "engine/zqerrors.h"

namespace {

#ifdef TAMRIX_ACCURACY_SAMPLES
constexpr int kSamples = TAMRIX_ACCURACY_SAMPLES;  // the slow (sanitizer, debug) builds
#else
constexpr int kSamples = 100000;
#endif
constexpr Extended kMax = 0x1.fffffffffffffffep16383L;
constexpr Extended kDenormMin = 0x1p-16445L;

// An MPFR number of the extended format's precision, 64 bits.
class TMpfr {
 public:
  TMpfr() { mpfr_init2(m_value, 64); }
  ~TMpfr() { mpfr_clear(m_value); }
  TMpfr(const TMpfr&) = delete;
  TMpfr& operator=(const TMpfr&) = delete;
  mpfr_ptr get() { return m_value; }

 private:
  mpfr_t m_value;
};

using TReference = std::function<int(mpfr_ptr, mpfr_srcptr)>;

TReference InDegrees(int (*f)(mpfr_ptr, mpfr_srcptr, unsigned long, mpfr_rnd_t)) {
  return [f](mpfr_ptr r, mpfr_srcptr x) { return f(r, x, 360, MPFR_RNDN); };
}
TReference Plain(int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t)) {
  return [f](mpfr_ptr r, mpfr_srcptr x) { return f(r, x, MPFR_RNDN); };
}

// MPFR's exponent range made the extended format's, denormals included, so
// that results round as an extended value would (0.1b x 2^e notation).
void UseExtendedRange() {
  mpfr_set_emin(-16444);
  mpfr_set_emax(16384);
}

// The exact value rounded to extended precision, into the denormals too.
Extended Rounded(mpfr_ptr exact, int ternary) {
  mpfr_subnormalize(exact, ternary, MPFR_RNDN);
  return mpfr_get_ld(exact, MPFR_RNDN);
}

bool WithinOneUlp(Extended got, Extended want) {
  return got == want || got == std::nextafter(want, HUGE_VALL) ||
         got == std::nextafter(want, -HUGE_VALL);
}

class TArguments {
 public:
  explicit TArguments(std::uint64_t seed) : m_random(seed) {}

  // |x| log-uniform in [lo, hi] with all 64 bits of the significand random.
  Extended LogUniform(Extended lo, Extended hi) {
    std::uniform_int_distribution<int> exponent(std::ilogb(lo), std::ilogb(hi));
    for (;;) {
      const std::uint64_t significand = m_random() | (std::uint64_t{1} << 63);
      const Extended x = std::ldexp(static_cast<Extended>(significand), exponent(m_random) - 63);
      if (x >= lo && x <= hi) return x;
    }
  }
  Extended Signed(Extended x) { return (m_random() & 1) ? -x : x; }
  bool OneIn(unsigned n) { return m_random() % n == 0; }

 private:
  std::mt19937_64 m_random;
};

struct TDomain {
  Extended Lo;
  Extended Hi;
  bool BothSigns;
  bool NearOne;  // a quarter of the arguments lie just off 1 (or -1)
  Extended Usual = 0;  // when set, three quarters lie below it in magnitude
};

struct TFunctionRow {
  const char* Name;
  bool Radians;
  TDomain Domain;
  TReference Reference;
  int MessageWhenInfinite;
};

int IndexOf(const std::string& name) {
  for (int i = 0; i < kFuncCount; ++i)
    if (name == FuncTable[static_cast<std::size_t>(i)].Name) return i;
  return -1;
}

// The function as the parser runs it; failures give their message id.
Extended Call(int index, Extended x, bool radians, int& message) {
  const TEvaluationFpScope environment;
  const Extended args[2] = {x, 0};
  message = 0;
  try {
    return Guarded(strid::FloatOpError, [&] { return ComputeFunction(index, args, radians); });
  } catch (const EZQParserError& e) {
    message = e.Id();
    return 0;
  }
}

Extended ArgumentIn(TArguments& args, const TDomain& d) {
  if (d.NearOne && args.OneIn(4)) {
    const Extended offset = args.LogUniform(0x1p-64L, 0.5L);
    const Extended x = d.Hi <= 1 || args.OneIn(2) ? 1 - offset : 1 + offset;
    return d.BothSigns ? args.Signed(x) : x;
  }
  const Extended hi = d.Usual != 0 && !args.OneIn(4) ? d.Usual : d.Hi;
  const Extended x = args.LogUniform(d.Lo, hi);
  return d.BothSigns ? args.Signed(x) : x;
}

// Reducing angles beyond 2^70 costs MPFR about 20 us each: a quarter of the
// angles come from the whole range, the rest from the sizes used in practice.
const TDomain kAnyAngle = {0x1p-70L, kMax, true, false, 0x1p70L};
const TDomain kUnitInterval = {0x1p-70L, 1, true, true};
const TDomain kPositive = {kDenormMin, kMax, false, true};
constexpr int kBad = strid::BadFunctionArg;
constexpr int kFault = strid::FloatOpError;

const TFunctionRow kRows[] = {
    {"SIN", true, kAnyAngle, Plain(mpfr_sin), kFault},
    {"COS", true, kAnyAngle, Plain(mpfr_cos), kFault},
    {"TAN", true, kAnyAngle, Plain(mpfr_tan), kBad},
    {"SIN", false, kAnyAngle, InDegrees(mpfr_sinu), kFault},
    {"COS", false, kAnyAngle, InDegrees(mpfr_cosu), kFault},
    {"TAN", false, kAnyAngle, InDegrees(mpfr_tanu), kBad},  // infinite at odd multiples of 90
    {"ARCSIN", true, kUnitInterval, Plain(mpfr_asin), kFault},
    {"ARCCOS", true, kUnitInterval, Plain(mpfr_acos), kFault},
    {"ARCTAN", true, kAnyAngle, Plain(mpfr_atan), kFault},
    {"ARCSIN", false, kUnitInterval, InDegrees(mpfr_asinu), kFault},
    {"ARCCOS", false, kUnitInterval, InDegrees(mpfr_acosu), kFault},
    {"ARCTAN", false, kAnyAngle, InDegrees(mpfr_atanu), kFault},
    {"EXP", true, {0x1p-70L, 11400, true, false}, Plain(mpfr_exp), kFault},
    {"LOG2", true, kPositive, Plain(mpfr_log2), kFault},
    {"LN", true, kPositive, Plain(mpfr_log), kFault},
    {"LG", true, kPositive, Plain(mpfr_log10), kFault},
    {"SQRT", true, {kDenormMin, kMax, false, false}, Plain(mpfr_sqrt), kFault},
    {"SQR", true, {kDenormMin, 0x1p8200L, true, false}, Plain(mpfr_sqr), kFault},
};

// One case per row, so that the rows run side by side.
class FunctionAccuracy : public testing::TestWithParam<std::size_t> {};

TEST_P(FunctionAccuracy, AgainstMpfr) {
  const TFunctionRow& row = kRows[GetParam()];
  UseExtendedRange();
  const int index = IndexOf(row.Name);
  ASSERT_GE(index, 0) << row.Name;
  TArguments args(2027 + GetParam());
  TMpfr x;
  TMpfr exact;
  int failures = 0;
  for (int i = 0; i < kSamples && failures < 5; ++i) {
    const Extended a = ArgumentIn(args, row.Domain);
    mpfr_set_ld(x.get(), a, MPFR_RNDN);
    const Extended want = Rounded(exact.get(), row.Reference(exact.get(), x.get()));
    int message = 0;
    const Extended got = Call(index, a, row.Radians, message);
    const bool ok = std::isinf(want) ? message == row.MessageWhenInfinite
                                     : message == 0 && WithinOneUlp(got, want);
    if (ok) continue;
    ++failures;
    ADD_FAILURE() << row.Name << (row.Radians ? "" : " in degrees") << " of " << std::hexfloat
                  << a << " gives " << got << " (message " << message << "), MPFR " << want;
  }
}

INSTANTIATE_TEST_SUITE_P(Accuracy, FunctionAccuracy, testing::Range<std::size_t>(0, std::size(kRows)),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                           const TFunctionRow& row = kRows[info.param];
                           return std::string(row.Name) + (row.Radians ? "" : "_degrees");
                         });

// "^" with random bases and exponents, results across the whole range and
// beyond it; integral exponents with negative bases too.
TEST(Accuracy, PowerAgainstMpfr) {
  UseExtendedRange();
  TArguments args(1990);
  TMpfr base;
  TMpfr exponent;
  TMpfr exact;
  int failures = 0;
  for (int i = 0; i < kSamples && failures < 5; ++i) {
    Extended b = args.LogUniform(0x1p-16000L, 0x1p16000L);
    if (args.OneIn(4)) b = 1 + args.Signed(args.LogUniform(0x1p-64L, 0.5L));
    // |e log2 b| up to about 17000: results from below the denormals to beyond the range.
    const Extended reach = 17000 / std::fabs(std::log2(b));
    Extended e = args.Signed(args.LogUniform(std::fmin(reach, 1) * 0x1p-40L, reach));
    if (args.OneIn(2)) {
      e = std::nearbyint(e);
      if (args.OneIn(2)) b = -b;
    }
    mpfr_set_ld(base.get(), b, MPFR_RNDN);
    mpfr_set_ld(exponent.get(), e, MPFR_RNDN);
    const Extended want =
        Rounded(exact.get(), mpfr_pow(exact.get(), base.get(), exponent.get(), MPFR_RNDN));
    const TEvaluationFpScope environment;
    Extended got = 0;
    int message = 0;
    try {
      got = Power(b, e);
      CheckFpFaults();
    } catch (const EZQArithmeticError& fault) {
      message = fault.Id();
    }
    const bool ok = std::isinf(want) ? message == strid::Overflow
                                     : message == 0 && WithinOneUlp(got, want);
    if (ok) continue;
    ++failures;
    ADD_FAILURE() << std::hexfloat << b << " ^ " << e << " gives " << got << " (message "
                  << message << "), MPFR " << want;
  }
}

TEST(Accuracy, FactorialIsCorrectlyRoundedForEveryN) {
  UseExtendedRange();
  const int index = IndexOf("FACT");
  TMpfr exact;
  for (unsigned long n = 0; n <= 1754; ++n) {
    const Extended want = Rounded(exact.get(), mpfr_fac_ui(exact.get(), n, MPFR_RNDN));
    int message = 0;
    const Extended got = Call(index, static_cast<Extended>(n), false, message);
    ASSERT_EQ(message, 0) << n;
    ASSERT_EQ(got, want) << "FACT(" << n << ")";
  }
}

}  // namespace
