// Command lines that are refused as a whole, and --help / --version.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace clitest {
namespace {

using Strings = std::vector<std::string>;

TEST(Usage, WrongCommandLinesPrintTheUsageAndExit2) {
  const Strings cases[] = {
      {},
      {"--iso"},
      {"frob", "2000/1/1"},
      {"-x", "show", "2000/1/1"},
      {"--iso", "--era", "show", "2000/1/1"},
      {"--iso", "diff", "2000/1/1", "2000/1/2"},
      {"show"},
      {"add", "2000/1/1", "1", "2"},
      {"diff", "-", "-"},
      {"--help", "show", "2000/1/1"},
  };
  for (const Strings& args : cases) {
    const CliResult run = RunCli({.args = args});
    std::string where;
    for (const std::string& arg : args) where += arg + " ";
    EXPECT_EQ(2, run.status) << where;
    EXPECT_EQ("", run.out) << where;
    EXPECT_NE(std::string::npos, run.err.find("使い方:")) << where << run.err;
  }
}

// After the command word everything is an operand, even what looks like
// an option: these are calculated (or refused as dates), never usage errors.
TEST(Usage, OperandsMayLookLikeOptions) {
  const struct {
    Strings args;
    std::string out;
    int status;
  } cases[] = {
      {{"diff", "-5/1/1", "2000/1/1"}, "1826\n", 0},
      {{"--iso", "add", "2000/1/1", "-1"}, "1999-12-31\n", 0},
      {{"--iso", "show", "--era"}, "", 1},
      {{"--iso", "show", "--help"}, "", 1},
      {{"--iso", "show", ""}, "1999-04-20\n", 0},
  };
  for (const auto& c : cases) {
    const CliResult run = RunCli({.args = c.args});
    EXPECT_EQ(c.out, run.out) << c.args[2];
    EXPECT_EQ(c.status, run.status) << c.args[2] << run.err;
  }
}

TEST(Usage, HelpAndVersion) {
  const CliResult version = RunCli({.args = {"--version"}});
  EXPECT_EQ("Kalvenor Ver 1.00.2\n", version.out);
  EXPECT_EQ(0, version.status);

  const CliResult help = RunCli({.args = {"--help"}});
  EXPECT_EQ(0, help.status);
  EXPECT_EQ("", help.err);
  for (const char* part : {"使い方:", "show TEXT...", "add DATE DAYS",
                           "diff DATE1 DATE2", "--iso", "和暦"}) {
    EXPECT_NE(std::string::npos, help.out.find(part)) << part;
  }
}

}  // namespace
}  // namespace clitest
