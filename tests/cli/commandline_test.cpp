// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "resources/version.h"
#include "tests/storage/legacybuilder.h"
#include "tests/storage/tempfolder.h"

namespace {

struct TRun {
  std::optional<int> Status;
  std::string Out;
  std::string Err;
};

TRun RunCli(std::vector<std::string> args, const std::string& input = "") {
  args.insert(args.begin(), "tamrix");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::istringstream in(input);
  std::ostringstream out, err;
  TRun r;
  r.Status = RunCommandLine(static_cast<int>(args.size()), argv.data(), in, out, err);
  r.Out = out.str();
  r.Err = err.str();
  return r;
}

struct TFolder {
  std::string Ini;
  std::string Variables = {};
  std::string Functions = {};
};

struct TEvalRow {
  TFolder Files;
  std::vector<std::string> Args;  // after --dir
  std::string Input;
  std::string Out;
  int Status;
  std::string What;
};

const std::string kDivByZero = "Деление на нуль";
const std::string kSyntax = "Синтаксическая ошибка";

TEST(CommandLine, EvaluatesLikeTheWindow) {
  const TEvalRow rows[] = {
      {{}, {"--eval", "1+2"}, "", "3.00000000000000000E+0\t3\t3o\n", 0, "default formats Sci, D, O"},
      {{}, {"--eval", ""}, "", "\t\t\n", 0, "empty expression"},
      {{}, {"--eval", "1/0"}, "", kDivByZero + "\t" + kDivByZero + "\t" + kDivByZero + "\n", 1, "error text"},
      {{"[Main]\r\nErrorOn=0\r\n"}, {"--eval", "1/0"}, "", "\t\t\n", 1, "error texts off"},
      {{}, {"--eval=2*3", "--eval", "2*"}, "",
       "6.00000000000000000E+0\t6\t6o\n" + kSyntax + "\t" + kSyntax + "\t" + kSyntax + "\n", 1, "two, one fails"},
      {{}, {"--eval", "-"}, "1+1\r\n\n7\n", "2.00000000000000000E+0\t2\t2o\n\t\t\n7.00000000000000000E+0\t7\t7o\n", 0,
       "standard input, CR LF and empty lines"},
      {{"[Main]\r\nOutStr1=2\r\nOutStr2=3\r\nOutStr3=5\r\n"}, {"--eval", "255"}, "", "255\tFFh\t11111111b\n", 0,
       "format codes"},
      {{"[Main]\r\nOutStr1=2\r\nOutStr2=2\r\nOutStr3=2\r\nAngle=1\r\n"}, {"--eval", "cos(0)+sin(Pi/2)"}, "",
       "2\t2\t2\n", 0, "radians"},
      {{"[Main]\r\nOutStr1=2\r\nOutStr2=2\r\nOutStr3=2\r\n"}, {"--eval", "sin(30)"}, "", "0.5\t0.5\t0.5\n", 0,
       "degrees"},
      {{"[Main]\r\nOutStr1=2\r\nOutStr2=2\r\nOutStr3=2\r\n[Parser]\r\nDecimalSeparator=,\r\nArgumentSeparator=,\r\n"},
       {"--eval", "1,25*2"}, "", "2,5\t2,5\t2,5\n", 0, "decimal comma"},
      {{"[Main]\r\nOutStr1=2\r\nOutStr2=2\r\nOutStr3=2\r\n[Parser]\r\nNDigit=5\r\n"}, {"--eval", "1/3"}, "",
       "0.33333\t0.33333\t0.33333\n", 0, "digits"},
      {{"[Main]\r\nOutStr1=2\r\nOutStr2=2\r\nOutStr3=2\r\n", "[P]\r\ng=9.81|9.81|gravity\r\n",
        "[G]\r\nsq(x)=x*x|square\r\n"},
       {"--eval", "sq(g)"}, "", "96.2361\t96.2361\t96.2361\n", 0, "user constant and function"},
  };
  for (const auto& r : rows) {
    TTempFolder dir;
    if (!r.Files.Ini.empty()) dir.Write("Tamrix.ini", r.Files.Ini);
    if (!r.Files.Variables.empty()) dir.Write("variables.lst", r.Files.Variables);
    if (!r.Files.Functions.empty()) dir.Write("functions.lst", r.Files.Functions);
    std::vector<std::string> args = {"--dir", dir.Path()};
    args.insert(args.end(), r.Args.begin(), r.Args.end());
    const TRun run = RunCli(args, r.Input);
    EXPECT_EQ(run.Status, r.Status) << r.What;
    EXPECT_EQ(run.Out, r.Out) << r.What;
    EXPECT_EQ(run.Err, "") << r.What;
  }
}

TEST(CommandLine, ReadsALegacyListWithoutConvertingIt) {
  TTempFolder dir;
  const std::string bytes = legacy::PhysicsConstants(1);
  dir.Write("variables.lst", bytes);
  dir.Write("Tamrix.ini", "[Main]\r\nOutStr1=2\r\nOutStr2=2\r\nOutStr3=2\r\n");
  const TRun run = RunCli({"--dir", dir.Path(), "--eval", "g*2"});
  EXPECT_EQ(run.Out, "19.62\t19.62\t19.62\n");
  EXPECT_EQ(dir.Read("variables.lst"), bytes);
  EXPECT_EQ(dir.FileCount(), 2u);
}

struct TUsageRow {
  std::vector<std::string> Args;
  std::optional<int> Status;
  std::string ErrPart;  // expected in the error output
};

TEST(CommandLine, Usage) {
  TTempFolder dir;
  const TUsageRow rows[] = {
      {{}, std::nullopt, ""},
      {{"--dir", dir.Path()}, std::nullopt, ""},
      {{"-platform", "offscreen"}, std::nullopt, ""},  // left to the window toolkit
      {{"--dir", dir.Path(), "--toggle", "-style=fusion", "-reverse"}, std::nullopt, ""},
      {{"--frobnicate"}, 2, "unknown option --frobnicate\nUsage: tamrix "},  // before any window
      {{"--toggle", "--dir"}, 2, "option --dir needs a value\nUsage: tamrix "},
      {{"-platform"}, 2, "option -platform needs a value"},
      {{"stray"}, 2, "unexpected argument stray"},
      {{"--eval"}, 2, "option --eval needs a value"},
      {{"--eval", "1", "--dir"}, 2, "option --dir needs a value"},
      {{"--eval", "1", "--frobnicate"}, 2, "unknown option --frobnicate"},
      {{"--eval", "1", "stray"}, 2, "unexpected argument stray"},
      {{"--dir", dir.File("none"), "--eval", "1"}, 2, "no such folder"},
  };
  for (const auto& r : rows) {
    const TRun run = RunCli(r.Args);
    EXPECT_EQ(run.Status, r.Status) << r.ErrPart;
    EXPECT_NE(run.Err.find(r.ErrPart), std::string::npos) << run.Err;
    if (r.Status) {
      EXPECT_EQ(run.Out, "") << r.ErrPart;
    }
  }
}

TEST(CommandLine, HelpListsEveryOptionInOneBlock) {
  const TRun run = RunCli({"--help"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Err, "");
  const size_t end = run.Out.find("Exit status");
  for (const char* option : {"--eval EXPRESSION", "--eval -", "--dir DIR", "--toggle", "--help", "--version"}) {
    EXPECT_LT(run.Out.find(std::string("\n  ") + option), end) << option;
  }
}

TEST(CommandLine, Version) {
  const TRun run = RunCli({"--version"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "tamrix " + std::string(kTamrixVersion) + "\n");
  EXPECT_EQ(run.Err, "");
}

TEST(CommandLine, WritesNoFile) {
  TTempFolder dir;
  dir.Write("Tamrix.ini", "[Main]\r\nErrorOn=1\r\n");
  RunCli({"--dir", dir.Path(), "--eval", "1", "--eval", "-"}, "2\n3\n");
  EXPECT_EQ(dir.FileCount(), 1u);
  EXPECT_EQ(dir.Read("Tamrix.ini"), "[Main]\r\nErrorOn=1\r\n");
}

}  // namespace
