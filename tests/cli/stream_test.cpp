// The "-" operand: standard input line by line, one output line per input
// line, refused lines kept in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "cli_run.h"

namespace clitest {
namespace {

using Strings = std::vector<std::string>;

TEST(Stream, RefusedLinesLeaveAnEmptyLineAndNameTheirNumber) {
  const CliResult run =
      RunCli({.args = {"--iso", "show", "-"},
              .input = "2000/1/1\nfoo\n\n2000/2/30\n12/31\n"});
  EXPECT_EQ((Strings{"2000-01-01", "", "1999-04-20", "", "1999-12-31"}),
            Lines(run.out));
  EXPECT_EQ(1, run.status);
  const Strings errors = Lines(run.err);
  ASSERT_EQ(2u, errors.size()) << run.err;
  EXPECT_NE(std::string::npos, errors[0].find("2行目")) << errors[0];
  EXPECT_NE(std::string::npos, errors[0].find("foo")) << errors[0];
  EXPECT_NE(std::string::npos, errors[1].find("4行目")) << errors[1];
  EXPECT_NE(std::string::npos, errors[1].find("2000/2/30")) << errors[1];
}

struct StreamCase {
  Strings args;
  std::string input;
  Strings want;
};

TEST(Stream, StandsInForAnyOneOperand) {
  const StreamCase cases[] = {
      {{"diff", "2000/1/1", "-"},
       "2000/12/31\n1999/12/31\nx\n",
       {"365", "-1", ""}},
      {{"diff", "-", "2000/1/1"}, "2000/12/31\n1999/12/31\n", {"-365", "1"}},
      {{"diff", "h12/1/1", "-"}, "2000/1/2\n1999/12/31\n", {"1", "-1"}},
      {{"diff", "x", "-"}, "2000/1/1\n2000/1/2\n", {"", ""}},
      {{"--iso", "add", "2000/1/1", "-"},
       "1\n-1\nnone\n0.5\n1e10\n",
       {"2000-01-02", "1999-12-31", "", "2000-01-01", ""}},
      {{"--iso", "add", "-", "1"},
       "2000/1/1\n2000/2/30\n\n",
       {"2000-01-02", "", "1999-04-21"}},
      {{"--iso", "show", "2000/1/1", "-", "2000/1/3"},
       "2000/1/2\n",
       {"2000-01-01", "2000-01-02", "2000-01-03"}},
      {{"show", "-"},
       "h12/1/1\nS64/1/7\n",
       {"H 12/ 1/ 1(土)", "S 64/ 1/ 7(土)"}},
      // Line ends: CRLF, a lone CR line (today), no end on the last line.
      {{"--iso", "show", "-"},
       "2000/1/1\r\n\r\n2000/1/2",
       {"2000-01-01", "1999-04-20", "2000-01-02"}},
      {{"--iso", "show", "-"}, "", {}},
  };
  for (const StreamCase& c : cases) {
    const CliResult run = RunCli({.args = c.args, .input = c.input});
    EXPECT_EQ(c.want, Lines(run.out)) << c.input;
    // Here an empty line always stands for a refused one.
    const auto refused = std::ranges::count(c.want, "");
    EXPECT_EQ(refused, std::ranges::ssize(Lines(run.err))) << c.input;
    EXPECT_EQ(refused > 0 ? 1 : 0, run.status) << c.input;
  }
}

TEST(Stream, SurvivesLinesLongerThanAnyBuffer) {
  const std::string longLine(3 << 20, 'x');
  const CliResult run =
      RunCli({.args = {"--iso", "show", "-"},
              .input = "2000/1/1\n" + longLine + "\r\n2000/1/2\n"});
  EXPECT_EQ((Strings{"2000-01-01", "", "2000-01-02"}), Lines(run.out));
  EXPECT_EQ(1, run.status);
  ASSERT_EQ(1u, Lines(run.err).size());
  EXPECT_NE(std::string::npos, run.err.find("2行目"));
  EXPECT_LT(run.err.size(), 300u) << "the message quotes a short excerpt";
}

// A batch big enough to cross the tool's read and write blocks, against
// the standard library's calendar.
TEST(Stream, LargeBatchAgreesWithStdChrono) {
  using namespace std::chrono;
  const sys_days base = year{2000} / 1 / 1;
  const sys_days first = year{100} / 1 / 1;
  const sys_days last = year{9999} / 12 / 31;
  std::mt19937 random(20240229);
  std::uniform_int_distribution<int> offset(0, (last - first).count());
  std::string input;
  Strings wantIso;
  Strings wantDiff;
  for (int i = 0; i < 120000; ++i) {
    const sys_days date = first + days{offset(random)};
    const year_month_day ymd{date};
    const int y = int{ymd.year()};
    const unsigned m = unsigned{ymd.month()};
    const unsigned d = unsigned{ymd.day()};
    char line[32];
    std::snprintf(line, sizeof line, "%d/%u/%u\n", y, m, d);
    input += line;
    std::snprintf(line, sizeof line, "%04d-%02u-%02u", y, m, d);
    wantIso.push_back(line);
    wantDiff.push_back(std::to_string((date - base).count()));
  }
  for (const auto& [args, want] :
       {std::pair<Strings, const Strings&>{{"--iso", "show", "-"}, wantIso},
        {{"diff", "2000/1/1", "-"}, wantDiff}}) {
    const CliResult run = RunCli({.args = args, .input = input});
    const Strings got = Lines(run.out);
    ASSERT_EQ(want.size(), got.size()) << args[0] << run.err;
    for (std::size_t i = 0; i < want.size(); ++i) {
      ASSERT_EQ(want[i], got[i]) << args[0] << " line " << i + 1;
    }
    EXPECT_EQ(0, run.status) << run.err;
  }
}

TEST(Stream, AFullDiskIsAFailure) {
  const CliResult run = RunCli({.args = {"--iso", "show", "-"},
                                .input = "2000/1/1\n",
                                .stdoutPath = "/dev/full"});
  EXPECT_EQ(1, run.status);
  EXPECT_EQ(1u, Lines(run.err).size()) << run.err;
}

}  // namespace
}  // namespace clitest
