// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line evaluator, reached through the program itself:
//   tamrix [--dir DIR] --eval EXPRESSION   one expression
//   tamrix [--dir DIR] --eval -            each line of standard input
//   tamrix [--dir DIR] [--toggle]          the calculator window
//   tamrix --help | --version
// Each expression prints one line: the three output fields, TAB-separated.
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/zqmessage.h"
#include "storage/storageerror.h"

struct TCommandLine {
  std::optional<std::string> Dir;  // --dir
  std::vector<std::string> Evals;  // --eval, in order; "-" is standard input
  bool Help = false;               // --help
  bool Version = false;            // --version
  bool Toggle = false;             // --toggle (acted on by the window start)
  std::string Error;               // the first usage error; empty when none

  // --eval, --help or --version given, or a usage error to report: the
  // command line runs instead of the windows.
  bool WantsCommandLine() const { return Help || Version || !Evals.empty() || !Error.empty(); }
};

// argv[0] is the program.
TCommandLine ParseCommandLine(int argc, char** argv);

// Puts a message the engine produced into the interface's language (given
// as the settings' Language, empty while the user has chosen none and the
// desktop's language serves), as the window shows it.
using TMessageTranslation = std::function<std::string(const std::string& language, const TZQMessage& message)>;
// The same for a failure of the data folder's files.
using TStorageMessageTranslation =
    std::function<std::string(const std::string& language, const TStorageMessage& message)>;

// Runs the command line and returns the exit status: 0 every evaluation
// succeeded, 1 one failed, 2 bad usage (one line naming the fault and the
// usage line on err, nothing on out). Returns nullopt when the arguments ask
// for the windows (no --eval, --help or --version, and no usage error); the
// window toolkit's own options (-platform NAME, -style NAME, ...) are left
// to it. Writes no file. Messages pass through translate, and storage's
// through translateStorage, when they are set.
std::optional<int> RunCommandLine(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err,
                                  const TMessageTranslation& translate = {},
                                  const TStorageMessageTranslation& translateStorage = {});
