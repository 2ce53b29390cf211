// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/datafolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "storage/filebytes.h"
#include "storage/storageerror.h"

namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

// A folder that a package manager fills: a program there is an installed
// copy shared by every user of the machine, even when the user running it
// (root) may write there. Its data belongs in the user's own folder.
bool IsSystemProgramDir(const std::string& dir) {
  for (const char* prefix : {"/usr/", "/bin/", "/sbin/", "/lib/", "/opt/", "/snap/"}) {
    if (dir.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

// A folder the user has made his own: writable, and owned by him (a
// writable folder of somebody else is not where his settings should go).
bool IsOwnWritableDir(const std::string& dir) {
  struct stat st {};
  return ::access(dir.c_str(), W_OK) == 0 && ::stat(dir.c_str(), &st) == 0 && st.st_uid == ::geteuid();
}

}  // namespace

std::string ResolveProgramDir(const std::string& programFilePath, const std::optional<std::string>& dirOverride,
                              const TUserDirs& userDirs) {
  if (dirOverride) return WithSlash(*dirOverride);
  const std::filesystem::path parent = std::filesystem::path(programFilePath).parent_path();
  const std::string programDir = WithSlash(parent.empty() ? std::string("./") : parent.string());
  const bool portable =
      !IsSystemProgramDir(programDir) && (FileExists(programDir + kSettingsFileName) || IsOwnWritableDir(programDir));
  if (portable) return programDir;
  if (!userDirs.XdgConfigHome.empty() && userDirs.XdgConfigHome.front() == '/') {
    return WithSlash(userDirs.XdgConfigHome) + "tamrix/";
  }
  if (!userDirs.Home.empty()) return WithSlash(userDirs.Home) + ".config/tamrix/";
  return programDir;
}

std::string RunningProgramPath(const char* argv0) {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && !exe.empty()) return exe.string();
  return argv0 ? std::string(argv0) : std::string();
}

void ApplySettingsToParser(const TMainSettings& settings, TZQParser& parser) {
  parser.ErrorOn = settings.ErrorOn;
  parser.Angle = settings.Angle;
  parser.DecimalSeparator = settings.DecimalSeparator;
  parser.ArgumentSeparator = settings.ArgumentSeparator;
  parser.NDigit = settings.NDigit;
}

TDataFolderContent LoadDataFolder(const std::string& programDir, TZQParser& parser, TListLoadMode mode) {
  TDataFolderContent content;
  content.Settings = ReadMainSettings(TProfileFile(programDir + kSettingsFileName));
  ApplySettingsToParser(content.Settings, parser);
  try {
    LoadConstFile(programDir + kConstFileName, content.Constants, parser.UserConstants, mode);
  } catch (const EStorageError& e) {
    content.Errors.push_back(e.Message);
  }
  try {
    LoadFuncFile(programDir + kFuncFileName, content.Functions, parser.UserFunctions, mode);
  } catch (const EStorageError& e) {
    content.Errors.push_back(e.Message);
  }
  return content;
}
