// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of the built program itself, run as a user runs it, with
// no display.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "resources/version.h"
#include "tests/storage/tempfolder.h"

namespace {

struct TProcessResult {
  int Status = -1;  // exit status; -1 when it did not end normally in time
  std::string Out;
  std::string Err;
};

std::string ProgramPath() {
  const char* build = std::getenv("TAMRIX_BUILD_DIR");
  return build ? std::string(build) + "/tamrix" : std::string();
}

// Runs the program with stdin, stdout and stderr in files of dir; gives it
// 60 seconds. desktop names the desktop's language as the environment does
// ("LANG=de_DE.UTF-8 LANGUAGE=de:en"); by default the C locale, which leaves
// the interface in Russian.
TProcessResult RunProgram(const TTempFolder& io, std::vector<std::string> args, const std::string& input,
                          const std::string& desktop = "LANG=C.UTF-8") {
  const std::string inPath = io.Write("stdin", input);
  const std::string outPath = io.File("stdout");
  const std::string errPath = io.File("stderr");
  args.insert(args.begin(), ProgramPath());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = ::open(inPath.c_str(), O_RDONLY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    // No display at all: the command line must not need one.
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::unsetenv("QT_QPA_PLATFORM");
    ::unsetenv("WAYLAND_SOCKET");
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) ::unsetenv(name);
    for (std::size_t at = 0; at < desktop.size();) {
      const std::size_t end = std::min(desktop.find(' ', at), desktop.size());
      const std::string setting = desktop.substr(at, end - at);
      const std::size_t eq = setting.find('=');
      if (eq != std::string::npos) ::setenv(setting.substr(0, eq).c_str(), setting.substr(eq + 1).c_str(), 1);
      at = end + 1;
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  TProcessResult result;
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return result;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (WIFEXITED(status)) result.Status = WEXITSTATUS(status);
  result.Out = io.Read("stdout");
  result.Err = io.Read("stderr");
  return result;
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(ProgramPath())) GTEST_SKIP() << "the program is not built: " << ProgramPath();
  }
  TTempFolder m_io;
  TTempFolder m_data;
};

TEST_F(EndToEnd, EvaluatesWithTheDataFolder) {
  m_data.Write("Tamrix.ini", "[Main]\r\nOutStr1=2\r\nOutStr2=3\r\nOutStr3=-5\r\n");
  m_data.Write("variables.lst", "[\xD4\xE8\xE7\xE8\xEA\xE0]\r\ng=9.81|9.81|\r\n");
  const TProcessResult r = RunProgram(m_io, {"--dir", m_data.Path(), "--eval", "g*100"}, "");
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out, "981\t3D5h\t981.000000000000000000\n");
  EXPECT_EQ(m_data.FileCount(), 2u);
}

TEST_F(EndToEnd, StandardInputAndExitStatus) {
  const TProcessResult r = RunProgram(m_io, {"--dir", m_data.Path(), "--eval", "-"}, "2+2\n\n1/0\n");
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out,
            "4.00000000000000000E+0\t4\t4o\n\t\t\nДеление на нуль\tДеление на нуль\tДеление на нуль\n");
}

// The settings' language, else the desktop's, as the window takes it.
TEST_F(EndToEnd, MessagesInTheLanguageOfTheSettings) {
  const struct {
    std::string Ini, Expression, Out;
    int Status;
    std::string Desktop = "LANG=C.UTF-8";
  } rows[] = {
      {"", "1/0", "Деление на нуль\n", 1},
      {"[Main]\r\nOutStr1=2\r\nOutStr2=2\r\nOutStr3=2\r\nLanguage=en\r\n", "1/0", "Division by zero\n", 1},
      {"[Main]\r\nLanguage=xx\r\n", "1/0", "Деление на нуль\n", 1},
      // A value the octal format cannot hold: the format's own message.
      {"[Main]\r\nLanguage=en\r\n", "1e30", "Invalid floating-point operation\n", 0},
      {"", "1e30", "Неверная операция с дробными числами\n", 0},
      {"", "1/0", "Division by zero\n", 1, "LANG=en_GB.UTF-8"},
      {"[Main]\r\nLanguage=auto\r\n", "1/0", "Division by zero\n", 1, "LANG=ja_JP.UTF-8 LANGUAGE=ja:en"},
      {"", "1/0", "Деление на нуль\n", 1, "LANG=ja_JP.UTF-8"},
      {"", "1/0", "Деление на нуль\n", 1, "LANG=en_GB.UTF-8 LC_ALL=C"},
      {"", "1/0", "Деление на нуль\n", 1, "LANG=ru_RU.UTF-8 LANGUAGE=ru:en"},
      {"[Main]\r\nLanguage=ru\r\n", "1/0", "Деление на нуль\n", 1, "LANG=en_GB.UTF-8"},
      {"[Main]\r\nLanguage=en\r\n", "1/0", "Division by zero\n", 1, "LANG=ja_JP.UTF-8"},
  };
  for (const auto& r : rows) {
    m_data.Write("Tamrix.ini", r.Ini);
    const TProcessResult run = RunProgram(m_io, {"--dir", m_data.Path(), "--eval", r.Expression}, "", r.Desktop);
    EXPECT_EQ(run.Status, r.Status) << r.Ini << r.Desktop;
    EXPECT_EQ(run.Out.substr(run.Out.rfind('\t') + 1), r.Out) << r.Ini << r.Desktop;
  }
}

// What the program says and how it ends, without a display, before any window.
TEST_F(EndToEnd, BadUsageHelpVersionAndNoDisplay) {
  const std::string noDisplay = "tamrix: no display; use --eval to calculate without a window\n";
  struct TRow {
    std::vector<std::string> Args;
    int Status;
    std::string Out;
    std::string ErrStart;  // the start of the error output
  } rows[] = {
      {{"--eval"}, 2, "", "tamrix: option --eval needs a value\nUsage: tamrix "},
      {{"--frobnicate"}, 2, "", "tamrix: unknown option --frobnicate\nUsage: tamrix "},
      {{"--help"}, 0, "Usage: tamrix ", ""},
      {{"--version"}, 0, "tamrix " + std::string(kTamrixVersion) + "\n", ""},
      {{"--dir", m_data.Path()}, 1, "", noDisplay},
      {{"--dir", m_data.Path(), "--toggle"}, 1, "", noDisplay},
      {{"-platform", "xcb", "--dir", m_data.Path()}, 1, "", noDisplay},
  };
  for (const TRow& r : rows) {
    const TProcessResult run = RunProgram(m_io, r.Args, "");
    EXPECT_EQ(run.Status, r.Status) << r.Args[0] << ": " << run.Err;
    EXPECT_EQ(run.Out.substr(0, r.Out.size()), r.Out) << r.Args[0];
    EXPECT_EQ(run.Err.substr(0, r.ErrStart.size()), r.ErrStart) << r.Args[0];
    if (r.Status == 1) EXPECT_EQ(run.Err, noDisplay);
  }
  EXPECT_EQ(m_data.FileCount(), 0u);
}

}  // namespace
