// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation side of a keystroke: Evaluate alone, and the whole cycle of
// the main window (Evaluate, then the three output fields in codes 1, 2, 4),
// without and with user entries loaded.
#include <benchmark/benchmark.h>

#include "bench/benchdata.h"
#include "bench/perexpression.h"

namespace {
constexpr int kCycleCodes[] = {1, 2, 4};

bool Usable(benchmark::State& state, const TBenchCorpus& corpus) {
  if (corpus.error.empty()) return true;
  state.SkipWithError(corpus.error.c_str());
  return false;
}

void EvaluateOne(TZQParser& parser, const std::string& line) {
  Extended value = 0;
  std::string error;
  benchmark::DoNotOptimize(parser.Evaluate(line, value, error));
  benchmark::DoNotOptimize(value);
}

void CycleOne(TZQParser& parser, const std::string& line) {
  Extended value = 0;
  std::string error;
  const bool ok = parser.Evaluate(line, value, error);
  const TFormatSettings settings = FormatSettingsOf(parser);
  for (int code : kCycleCodes) {
    std::string text = ok ? FormatValue(value, code, settings) : error;
    benchmark::DoNotOptimize(text);
  }
}

template <void (*Step)(TZQParser&, const std::string&)>
void RunOverCorpus(benchmark::State& state, const TBenchCorpus& corpus, bool userEntries) {
  if (!Usable(state, corpus)) return;
  TZQParser parser;
  parser.ErrorOn = true;
  if (userEntries) LoadUserEntries(parser);
  const auto& lines = corpus.lines;
  std::size_t i = 0;
  for (auto _ : state) {
    Step(parser, lines[i]);
    if (++i == lines.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
  AddPerItemCounters(state, lines.size(), [&](std::size_t k) { Step(parser, lines[k]); });
}

void BM_Evaluate(benchmark::State& state) { RunOverCorpus<EvaluateOne>(state, PlainCorpus(), false); }
void BM_Cycle(benchmark::State& state) { RunOverCorpus<CycleOne>(state, PlainCorpus(), false); }
void BM_EvaluateWithUserEntries(benchmark::State& state) {
  RunOverCorpus<EvaluateOne>(state, UserCorpus(), true);
}
void BM_CycleWithUserEntries(benchmark::State& state) {
  RunOverCorpus<CycleOne>(state, UserCorpus(), true);
}

// Twenty calls of a user function whose body calls a second, which calls a
// third: 60 expansions in one line.
void BM_NestedUserCalls(benchmark::State& state) {
  TZQParser parser;
  parser.ErrorOn = true;
  parser.UserFunctions.Append("L1=X|L2(X)+1");
  parser.UserFunctions.Append("L2=X|L3(X)*2");
  parser.UserFunctions.Append("L3=X|X+3");
  std::string line;
  for (int k = 1; k <= 20; ++k) line += (k > 1 ? "+L1(" : "L1(") + std::to_string(k) + ")";
  Extended value = 0;
  std::string error;
  // sum of ((k+3)*2+1) for k = 1..20
  if (!parser.Evaluate(line, value, error) || value != 560.0L) {
    state.SkipWithError(("nested user calls give a wrong result: " + error).c_str());
    return;
  }
  for (auto _ : state) EvaluateOne(parser, line);
}

// A user function that calls itself must fail, and quickly.
void BM_RecursiveUserFunction(benchmark::State& state) {
  TZQParser parser;
  parser.ErrorOn = true;
  parser.UserFunctions.Append("F=X|F(X)");
  Extended value = 0;
  std::string error;
  if (parser.Evaluate("F(1)+2", value, error) || error.empty()) {
    state.SkipWithError("the recursive user function did not fail with a message");
    return;
  }
  for (auto _ : state) EvaluateOne(parser, "F(1)+2");
}
}  // namespace

BENCHMARK(BM_Evaluate);
BENCHMARK(BM_Cycle);
BENCHMARK(BM_EvaluateWithUserEntries);
BENCHMARK(BM_CycleWithUserEntries);
BENCHMARK(BM_NestedUserCalls);
BENCHMARK(BM_RecursiveUserFunction)->Unit(benchmark::kMicrosecond);
