// The command line of the built program itself, run as a user runs it, with
// no display.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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
// 60 seconds.
TProcessResult RunProgram(const TTempFolder& io, std::vector<std::string> args, const std::string& input) {
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

TEST_F(EndToEnd, MessagesInTheLanguageOfTheSettings) {
  const struct {
    std::string Ini, Out;
  } rows[] = {
      {"", "Деление на нуль\n"},
      {"[Main]\r\nOutStr1=2\r\nOutStr2=2\r\nOutStr3=2\r\nLanguage=en\r\n", "Division by zero\n"},
      {"[Main]\r\nLanguage=xx\r\n", "Деление на нуль\n"},
  };
  for (const auto& r : rows) {
    m_data.Write("Tamrix.ini", r.Ini);
    const TProcessResult run = RunProgram(m_io, {"--dir", m_data.Path(), "--eval", "1/0"}, "");
    EXPECT_EQ(run.Status, 1) << r.Ini;
    EXPECT_EQ(run.Out.substr(run.Out.rfind('\t') + 1), r.Out) << r.Ini;
  }
}

TEST_F(EndToEnd, BadUsageAndHelp) {
  const TProcessResult bad = RunProgram(m_io, {"--eval"}, "");
  EXPECT_EQ(bad.Status, 2);
  EXPECT_EQ(bad.Out, "");
  EXPECT_NE(bad.Err.find("--eval"), std::string::npos);
  const TProcessResult help = RunProgram(m_io, {"--help"}, "");
  EXPECT_EQ(help.Status, 0);
  EXPECT_NE(help.Out.find("Usage: tamrix"), std::string::npos);
}

}  // namespace
