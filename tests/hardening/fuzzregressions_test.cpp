// SPDX-License-Identifier: GPL-3.0-or-later
// Every kept fuzz input (the seed corpora and the inputs of past findings)
// replayed through its target's body in the ordinary build. A broken
// property aborts the program; under the sanitizer build a memory fault or
// undefined behaviour does too.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/harness/fuzztargets.h"
#include "fuzz/harness/scratchfolder.h"

namespace {
namespace fs = std::filesystem;

fs::path FuzzFolder() {
  const char* source = std::getenv("TAMRIX_SOURCE_DIR");
  return source ? fs::path(source) / "fuzz" : fs::path(TAMRIX_FUZZ_DIR);
}

// Runs every file of the folder; returns how many there were.
int ReplayFolder(const TFuzzTarget& target, const fs::path& folder) {
  int count = 0;
  if (!fs::is_directory(folder)) return 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    SCOPED_TRACE(entry.path().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(target.Run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    ++count;
  }
  return count;
}
}  // namespace

TEST(FuzzRegressions, SeedCorporaAndFindingsReplay) {
  for (const TFuzzTarget& target : kFuzzTargets) {
    SCOPED_TRACE(target.Name);
    EXPECT_GT(ReplayFolder(target, FuzzFolder() / "corpus" / target.Name), 0) << "no seed corpus";
    ReplayFolder(target, FuzzFolder() / "regressions" / target.Name);
  }
}

TEST(FuzzRegressions, EmptyInputIsHandledByEveryTarget) {
  for (const TFuzzTarget& target : kFuzzTargets) {
    SCOPED_TRACE(target.Name);
    EXPECT_EQ(target.Run(nullptr, 0), 0);
  }
}

TEST(FuzzRegressions, BrokenPropertyEndsTheRun) {
  EXPECT_DEATH(FuzzFailure("pages differ"), "fuzz property broken: pages differ");
}
