#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer programs with clang into build-fuzz and runs each one
# for a fixed time from its committed seed corpus and its kept findings.
# Fails on any finding: a crash, an input taking over 1 s, a leak, undefined
# behaviour, running out of memory, or a broken property of a target. A
# finding's input is left in build-fuzz/findings/<target>/; once mended it
# belongs in fuzz/regressions/<target>/.
# FUZZ_SECONDS (default 60) sets the time per target; FUZZ_TARGETS (default
# all of them) the targets to run, separated by blanks.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-fuzz
seconds=${FUZZ_SECONDS:-60}
read -r -a targets <<<"${FUZZ_TARGETS:-evaluate formatvalue profilefile listfile historyfile}"

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTAMRIX_FUZZ=ON \
    -DTAMRIX_BUILD_UI=OFF -DTAMRIX_BUILD_BENCH=OFF
fi
cmake --build "$build" --target fuzz_all --parallel "$(nproc)"

# A smaller quarantine halves the time of the largest expansions under
# AddressSanitizer, which otherwise comes near the 1 s limit on a busy machine.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:quarantine_size_mb=16:malloc_context_size=10
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
failed=()
for t in "${targets[@]}"; do
  work=$build/fuzzwork/$t
  findings=$build/findings/$t
  rm -rf "$work"
  mkdir -p "$work" "$findings"
  dict=()
  [ -f "fuzz/$t.dict" ] && dict=(-dict="fuzz/$t.dict")
  seeds=("fuzz/corpus/$t")
  [ -d "fuzz/regressions/$t" ] && seeds+=("fuzz/regressions/$t")
  echo "== fuzz_$t for ${seconds}s"
  if ! "$build/fuzz/fuzz_$t" "$work" "${seeds[@]}" "${dict[@]}" \
      -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
      -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
      >"$build/fuzz-$t.log" 2>&1; then
    failed+=("$t")
    tail -n 60 "$build/fuzz-$t.log"
  fi
  # The last status line: executions, coverage, corpus size, speed.
  grep -E '^#[0-9]+[[:space:]]+(DONE|NEW|REDUCE|pulse|INITED)' "$build/fuzz-$t.log" | tail -n 1 || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz findings in: ${failed[*]} (inputs in $build/findings/)" >&2
  exit 1
fi
echo "fuzz: no findings"
