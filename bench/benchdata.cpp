// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/benchdata.h"

#include <fstream>

std::vector<std::string> ReadBenchFile(const std::string& name) {
  std::ifstream in(std::string(TAMRIX_BENCH_DIR) + "/" + name);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

void LoadUserEntries(TZQParser& parser) {
  for (const auto& line : ReadBenchFile("user_constants.txt")) parser.UserConstants.Append(line);
  for (const auto& line : ReadBenchFile("user_functions.txt")) parser.UserFunctions.Append(line);
}

namespace {
TBenchCorpus Checked(std::vector<std::string> lines, TZQParser& parser, const char* what) {
  TBenchCorpus corpus;
  corpus.lines = std::move(lines);
  if (corpus.lines.size() < 200) corpus.error = std::string(what) + ": fewer than 200 lines";
  parser.ErrorOn = true;
  for (const auto& line : corpus.lines) {
    Extended value = 0;
    std::string message;
    if (!parser.Evaluate(line, value, message)) {
      corpus.error = std::string(what) + ": \"" + line + "\" fails: " + message;
      break;
    }
  }
  return corpus;
}
}  // namespace

const TBenchCorpus& PlainCorpus() {
  static const TBenchCorpus corpus = [] {
    TZQParser parser;
    return Checked(ReadBenchFile("corpus.txt"), parser, "corpus.txt");
  }();
  return corpus;
}

const TBenchCorpus& UserCorpus() {
  static const TBenchCorpus corpus = [] {
    std::vector<std::string> lines = ReadBenchFile("corpus.txt");
    const std::vector<std::string> calls = ReadBenchFile("corpus_user.txt");
    for (std::size_t i = 1, k = 0; i < lines.size() && k < calls.size(); i += 2, ++k)
      lines[i] = calls[k];
    TZQParser parser;
    LoadUserEntries(parser);
    return Checked(std::move(lines), parser, "corpus.txt with corpus_user.txt");
  }();
  return corpus;
}

TFormatSettings FormatSettingsOf(const TZQParser& parser) {
  TFormatSettings settings;
  settings.NDigit = parser.NDigit;
  settings.DecimalSeparator = parser.DecimalSeparator;
  settings.ErrorOn = parser.ErrorOn;
  return settings;
}
