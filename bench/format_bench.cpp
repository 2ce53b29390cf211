// SPDX-License-Identifier: GPL-3.0-or-later
// FormatValue alone, one benchmark per format code, over the values of the
// corpus expressions.
#include <benchmark/benchmark.h>

#include "bench/benchdata.h"
#include "bench/perexpression.h"

namespace {
std::vector<Extended> CorpusValues() {
  std::vector<Extended> values;
  TZQParser parser;
  for (const auto& line : PlainCorpus().lines) {
    Extended value = 0;
    std::string error;
    if (parser.Evaluate(line, value, error)) values.push_back(value);
  }
  return values;
}

void BM_FormatValue(benchmark::State& state) {
  static const std::vector<Extended> values = CorpusValues();
  if (!PlainCorpus().error.empty()) {
    state.SkipWithError(PlainCorpus().error.c_str());
    return;
  }
  const int code = static_cast<int>(state.range(0));
  const TFormatSettings settings;  // NDigit 18, ".", the defaults
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = FormatValue(values[i], code, settings);
    benchmark::DoNotOptimize(text);
    if (++i == values.size()) i = 0;
  }
  state.SetLabel(std::string("code ") + std::to_string(code));
  AddPerItemCounters(state, values.size(), [&](std::size_t k) {
    std::string text = FormatValue(values[k], code, settings);
    benchmark::DoNotOptimize(text);
  });
}
}  // namespace

BENCHMARK(BM_FormatValue)->DenseRange(-10, 5);
