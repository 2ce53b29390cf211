// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <string_view>
#include <system_error>

#include "cli/evaluationcycle.h"
#include "resources/version.h"
#include "storage/datafolder.h"

namespace {

constexpr std::string_view kUsageLine =
    "Usage: tamrix [--dir DIR] [--toggle | --eval EXPRESSION... | --eval -] | --help | --version\n";

constexpr std::string_view kHelp =
    "Without --eval the calculator window opens. With --eval each expression is\n"
    "evaluated as the calculator window does and its three output fields are\n"
    "printed, separated by a TAB, one line per expression.\n"
    "\n"
    "  --eval EXPRESSION  evaluate EXPRESSION (may be given more than once)\n"
    "  --eval -           evaluate each line of standard input\n"
    "  --dir DIR          read the settings, user constants and user functions\n"
    "                     from DIR instead of the program's data folder\n"
    "  --toggle           tell the calculator already running on the same data\n"
    "                     folder to act as on its hot key (start one if none)\n"
    "  --help             show this text and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "Exit status: 0 success, 1 an evaluation failed or there is no display for\n"
    "the window, 2 bad usage. See also: man tamrix\n";

// The window toolkit's own options, which it takes out of the arguments
// when the window starts: those followed by a value, then those without.
constexpr std::string_view kToolkitValueOptions[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-display", "-geometry", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle", "-session", "-style", "-stylesheet"};
constexpr std::string_view kToolkitFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

// The value of an option given as "--name VALUE" or "--name=VALUE".
bool OptionValue(std::string_view name, int argc, char** argv, int& i, std::optional<std::string>& value,
                 std::string& error) {
  const std::string_view arg = argv[i];
  if (arg == name) {
    if (i + 1 >= argc) {
      error = "option " + std::string(name) + " needs a value";
      return true;
    }
    value = argv[++i];
    return true;
  }
  if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
    value = std::string(arg.substr(name.size() + 1));
    return true;
  }
  return false;
}

// A toolkit option at argv[i], its value skipped; false for anything else.
bool SkipToolkitOption(int argc, char** argv, int& i, std::string& error) {
  const std::string_view arg = argv[i];
  for (std::string_view flag : kToolkitFlags) {
    if (arg == flag) return true;
  }
  for (std::string_view name : kToolkitValueOptions) {
    std::optional<std::string> value;
    if (OptionValue(name, argc, argv, i, value, error)) return true;
  }
  return false;
}

void PrintOutputs(const TOutputTexts& texts, std::ostream& out) {
  out << texts.Fields[0] << '\t' << texts.Fields[1] << '\t' << texts.Fields[2] << '\n';
}

}  // namespace

TCommandLine ParseCommandLine(int argc, char** argv) {
  TCommandLine cl;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::optional<std::string> value;
    std::string error;
    if (arg == "--help" || arg == "-h") {
      cl.Help = true;
    } else if (arg == "--version") {
      cl.Version = true;
    } else if (arg == "--toggle") {
      cl.Toggle = true;
    } else if (OptionValue("--dir", argc, argv, i, value, error)) {
      if (value) cl.Dir = *value;
    } else if (OptionValue("--eval", argc, argv, i, value, error)) {
      if (value) cl.Evals.push_back(*value);
      else cl.Evals.push_back({});  // still asks for the command line
    } else if (SkipToolkitOption(argc, argv, i, error)) {
      // Left to the toolkit, which takes it when the window starts.
    } else if (!arg.empty() && arg[0] == '-') {
      error = "unknown option " + std::string(arg);
    } else {
      error = "unexpected argument " + std::string(arg);
    }
    if (cl.Error.empty()) cl.Error = error;
  }
  return cl;
}

std::optional<int> RunCommandLine(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err,
                                  const TMessageTranslation& translate,
                                  const TStorageMessageTranslation& translateStorage) {
  const TCommandLine cl = ParseCommandLine(argc, argv);
  if (!cl.WantsCommandLine()) return std::nullopt;
  if (!cl.Error.empty()) {
    err << "tamrix: " << cl.Error << "\n" << kUsageLine;
    return 2;
  }
  if (cl.Help) {
    out << kUsageLine << kHelp;
    return 0;
  }
  if (cl.Version) {
    out << "tamrix " << kTamrixVersion << "\n";
    return 0;
  }
  std::error_code ec;
  if (cl.Dir && !std::filesystem::is_directory(*cl.Dir, ec)) {
    err << "tamrix: no such folder: " << *cl.Dir << "\n";
    return 2;
  }
  const std::string programDir =
      ResolveProgramDir(RunningProgramPath(argc > 0 ? argv[0] : nullptr), cl.Dir, ReadUserDirs());
  TZQParser parser;
  const TDataFolderContent data = LoadDataFolder(programDir, parser, TListLoadMode::ReadOnly);
  for (const TStorageMessage& e : data.Errors) {
    err << "tamrix: " << (translateStorage ? translateStorage(data.Settings.Language, e) : StorageMessageText(e))
        << "\n";
  }
  const std::array<int, 3> codes = {data.Settings.OutStr1, data.Settings.OutStr2, data.Settings.OutStr3};

  bool failed = false;
  auto evaluate = [&](std::string_view expression) {
    TOutputTexts texts = EvaluateOutputs(parser, expression, codes);
    failed = failed || texts.Failed;
    for (std::size_t i = 0; translate && i < texts.Fields.size(); ++i) {
      if (texts.Messages[i].Id != 0) texts.Fields[i] = translate(data.Settings.Language, texts.Messages[i]);
    }
    PrintOutputs(texts, out);
  };
  for (const std::string& expression : cl.Evals) {
    if (expression != "-") {
      evaluate(expression);
      continue;
    }
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      evaluate(line);
    }
  }
  out.flush();
  return failed ? 1 : 0;
}
