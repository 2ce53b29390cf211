// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed inputs of the benchmarks: the expression corpus, the user
// entries, and parsers set up with them. Every corpus line must evaluate;
// a line that does not makes the benchmarks that use it stop with an error.
#include <string>
#include <vector>

#include "engine/zqparser.h"
#include "format/zqformat.h"

struct TBenchCorpus {
  std::vector<std::string> lines;
  std::string error;  // empty when the files were read and every line evaluated
};

// Lines of a file of the bench folder (TAMRIX_BENCH_DIR), blank lines skipped.
std::vector<std::string> ReadBenchFile(const std::string& name);

// A parser with the 50 user constants and 20 user functions loaded.
void LoadUserEntries(TZQParser& parser);

// corpus.txt, checked with a plain parser.
const TBenchCorpus& PlainCorpus();
// corpus.txt with every second line replaced by one of corpus_user.txt,
// which call the user entries; checked with a parser that has them.
const TBenchCorpus& UserCorpus();

// The settings the formats take from a parser.
TFormatSettings FormatSettingsOf(const TZQParser& parser);
