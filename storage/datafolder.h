// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data folder (ProgramDir): where "Tamrix.ini", "Tamrix.his",
// "variables.lst" and "functions.lst" live, and the loading of its content
// into a parser, shared by the command line and the windows.
#include <optional>
#include <string>
#include <vector>

#include "engine/zqparser.h"
#include "storage/listfiles.h"
#include "storage/mainsettings.h"
#include "storage/storageerror.h"
#include "storage/userdirs.h"

inline constexpr const char* kSettingsFileName = "Tamrix.ini";
inline constexpr const char* kHistoryFileName = "Tamrix.his";
inline constexpr const char* kConstFileName = "variables.lst";
inline constexpr const char* kFuncFileName = "functions.lst";

// The folder, ending with "/": dirOverride when given (the --dir option);
// else the program file's folder for a portable copy: one that already holds
// "Tamrix.ini", or that the user owns and may write; else
// $XDG_CONFIG_HOME/tamrix/ (~/.config/tamrix/ when unset or not absolute).
// A program installed under /usr, /bin, /sbin, /lib, /opt or /snap is never
// portable, also when root runs it. Creates nothing: a missing folder is made
// by the first write into it.
std::string ResolveProgramDir(const std::string& programFilePath, const std::optional<std::string>& dirOverride,
                              const TUserDirs& userDirs);

// The full name of the running program's file ("/proc/self/exe"), or argv0
// when that cannot be read.
std::string RunningProgramPath(const char* argv0);

// The settings that the parser carries: ErrorOn, Angle, the separators, NDigit.
void ApplySettingsToParser(const TMainSettings& settings, TZQParser& parser);

struct TDataFolderContent {
  TMainSettings Settings;
  TConstPage Constants;
  TFuncPage Functions;
  // Failures while loading a list file, as messages for the user (by id, to
  // be shown in the interface's language); loading goes on with what could
  // be read.
  std::vector<TStorageMessage> Errors;
};

// Reads the settings file into the parser and the returned settings (format
// codes OutStr1..3 among them), then the constants and the functions into
// their pages and the parser's lists, as the program does at start-up. In
// ReadOnly mode nothing is written (a legacy list file is read, not converted).
TDataFolderContent LoadDataFolder(const std::string& programDir, TZQParser& parser,
                                  TListLoadMode mode = TListLoadMode::Convert);
