#include "storage/datafolder.h"

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

}  // namespace

std::string ResolveProgramDir(const std::string& programFilePath, const std::optional<std::string>& dirOverride,
                              const TUserDirs& userDirs) {
  if (dirOverride) return WithSlash(*dirOverride);
  const std::filesystem::path parent = std::filesystem::path(programFilePath).parent_path();
  const std::string programDir = WithSlash(parent.empty() ? std::string("./") : parent.string());
  if (::access(programDir.c_str(), W_OK) == 0 || FileExists(programDir + kSettingsFileName)) return programDir;
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
    content.Errors.emplace_back(e.what());
  }
  try {
    LoadFuncFile(programDir + kFuncFileName, content.Functions, parser.UserFunctions, mode);
  } catch (const EStorageError& e) {
    content.Errors.emplace_back(e.what());
  }
  return content;
}
