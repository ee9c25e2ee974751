// show in its three styles, add and diff: one run of the tool per case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace clitest {
namespace {

TEST(Show, WritesEachStyle) {
  const struct {
    std::string text, era, western, iso;
  } cases[] = {
      {"2000/1/1", "H 12/ 1/ 1(土)", " 2000/ 1/ 1(土)", "2000-01-01"},
      {"1989/1/7", "S 64/ 1/ 7(土)", " 1989/ 1/ 7(土)", "1989-01-07"},
      {"1867/12/31", " 1867/ 12/ 31(火)", " 1867/ 12/ 31(火)", "1867-12-31"},
      {"05/1/1", " 5/ 1/ 1(土)", " 5/ 1/ 1(土)", "0005-01-01"},
      {"-2005/1/1", "-5/ 1/ 1(日)", "-5/ 1/ 1(日)", "-0005-01-01"},
      {"32767/12/31", "H 30779/ 12/ 31(日)", " 32767/ 12/ 31(日)",
       "32767-12-31"},
      {"", "H 11/ 4/ 20(火)", " 1999/ 4/ 20(火)", "1999-04-20"},
  };
  for (const auto& c : cases) {
    for (const auto& [option, want] : {std::pair{"--era", c.era},
                                       {"--western", c.western},
                                       {"--iso", c.iso}}) {
      const CliResult run = RunCli({.args = {option, "show", c.text}});
      EXPECT_EQ(want + "\n", run.out) << c.text << " " << option;
      EXPECT_EQ(0, run.status) << c.text << run.err;
    }
    EXPECT_EQ(c.era + "\n", RunCli({.args = {"show", c.text}}).out) << c.text;
  }
  const CliResult several =
      RunCli({.args = {"--iso", "show", "2000/1/1", "", "12/31"}});
  EXPECT_EQ("2000-01-01\n1999-04-20\n1999-12-31\n", several.out);
}

// One result line and status 0, or for want "" a refusal: no output,
// status 1 and one message.
void ExpectResult(const std::string& want, const CliResult& run,
                  const std::string& where) {
  EXPECT_EQ(want.empty() ? "" : want + "\n", run.out) << where;
  EXPECT_EQ(want.empty() ? 1 : 0, run.status) << where << run.err;
  EXPECT_EQ(want.empty() ? 1u : 0u, Lines(run.err).size()) << where << run.err;
}

TEST(Add, RoundsTheSumHalfToEvenAndRefusesWhatHasNoDate) {
  const struct {
    std::string date, days;
    std::string want;  // ISO, or "" when refused with one message naming it
  } cases[] = {
      {"2000/1/1", "365", "2000-12-31"},
      {"2000/1/1", "-1", "1999-12-31"},
      {"2000/1/1", " 365", "2000-12-31"},  // the window's own day count
      {"2000/1/1", "1e2", "2000-04-10"},
      {"2000/1/1", "3 days", "2000-01-04"},
      // 2000-01-01 is day 730120: ties go to the even day number.
      {"2000/1/1", "0.5", "2000-01-01"},
      {"2000/1/2", "0.5", "2000-01-03"},
      {"2000/1/1", "1.5", "2000-01-03"},
      {"2000/1/2", "1.5", "2000-01-03"},
      {"2000/1/2", "-0.5", "2000-01-01"},
      {"", "1", "1999-04-21"},
      {"-2100/1/1", "800000", "2090-04-29"},
      // The ends of the calendar.
      {"00/12/31", "1", "0001-01-01"},
      {"32767/12/31", "0", "32767-12-31"},
      {"0001/1/1", "-1", ""},
      {"32767/12/31", "1", ""},
      {"0001/1/1", "-0.5", ""},  // day number 0, which has no date at all
      {"2000/1/1", "1e10", ""},
      {"2000/1/1", "1e400", ""},
      // Not a day count, where the window would quietly add 0.
      {"2000/1/1", "", ""},
      {"2000/1/1", "  ", ""},
      {"2000/1/1", "x1", ""},
      {"2000/2/30", "1", ""},
  };
  for (const auto& c : cases) {
    const CliResult run = RunCli({.args = {"--iso", "add", c.date, c.days}});
    const std::string where = c.date + " + " + c.days;
    ExpectResult(c.want, run, where);
    if (c.want.empty()) {
      const std::string& blamed = c.date == "2000/2/30" ? c.date : c.days;
      EXPECT_NE(std::string::npos, run.err.find(blamed)) << where << run.err;
    }
  }
  EXPECT_EQ("H 12/ 12/ 31(日)\n",
            RunCli({.args = {"add", "h12/1/1", "365"}}).out);
}

TEST(Diff, PrintsThePlainDayCount) {
  const struct {
    std::string first, second;
    std::string want;  // "" when refused
  } cases[] = {
      {"2000/1/1", "2000/12/31", "365"},
      {"2000/1/1", "2000/1/1", "0"},
      {"2000/12/31", "2000/1/1", "-365"},
      {"2000/2/1", "2000/1/1", "-31"},
      {"", "2000/1/1", "256"},
      {"H 12/ 1/ 1(土)", " 2000/ 1/ 2(日)", "1"},
      {"32767/12/31", "00/1/1", "-11968265"},
      {"2000/1/1", "2000/1/32", ""},
      {"4/31", "2000/1/1", ""},
  };
  for (const auto& c : cases) {
    ExpectResult(c.want, RunCli({.args = {"diff", c.first, c.second}}),
                 c.first + " .. " + c.second);
  }
}

}  // namespace
}  // namespace clitest
