// show in its three styles, add and diff, each case one run of the tool.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"

namespace clitest {
namespace {

struct StyleCase {
  std::string text;
  std::string era;
  std::string western;
  std::string iso;
};

TEST(Show, WritesEachStyle) {
  const StyleCase cases[] = {
      {"2000/1/1", "H 12/ 1/ 1(土)", " 2000/ 1/ 1(土)", "2000-01-01"},
      {"1989/1/7", "S 64/ 1/ 7(土)", " 1989/ 1/ 7(土)", "1989-01-07"},
      {"1989/1/8", "H 1/ 1/ 8(日)", " 1989/ 1/ 8(日)", "1989-01-08"},
      {"1926/12/25", "S 1/ 12/ 25(土)", " 1926/ 12/ 25(土)", "1926-12-25"},
      {"1912/7/30", "T 1/ 7/ 30(火)", " 1912/ 7/ 30(火)", "1912-07-30"},
      {"1868/1/1", "M 1/ 1/ 1(水)", " 1868/ 1/ 1(水)", "1868-01-01"},
      {"1867/12/31", " 1867/ 12/ 31(火)", " 1867/ 12/ 31(火)", "1867-12-31"},
      {"2019/5/1", "H 31/ 5/ 1(水)", " 2019/ 5/ 1(水)", "2019-05-01"},
      {"05/1/1", " 5/ 1/ 1(土)", " 5/ 1/ 1(土)", "0005-01-01"},
      {"-2005/1/1", "-5/ 1/ 1(日)", "-5/ 1/ 1(日)", "-0005-01-01"},
      {"32767/12/31", "H 30779/ 12/ 31(日)", " 32767/ 12/ 31(日)",
       "32767-12-31"},
      {"", "H 11/ 4/ 20(火)", " 1999/ 4/ 20(火)", "1999-04-20"},
  };
  for (const StyleCase& c : cases) {
    for (const auto& [options, want] :
         {std::pair<std::vector<std::string>, std::string>{{}, c.era},
          {{"--era"}, c.era},
          {{"--western"}, c.western},
          {{"--iso"}, c.iso}}) {
      std::vector<std::string> args = options;
      args.insert(args.end(), {"show", c.text});
      const CliResult run = RunCli({.args = args});
      EXPECT_EQ(want + "\n", run.out) << c.text << " " << args.front();
      EXPECT_EQ(0, run.status) << c.text << run.err;
    }
  }
}

TEST(Show, SeveralTextsGiveALineEach) {
  const CliResult run =
      RunCli({.args = {"--iso", "show", "2000/1/1", "", "12/31", "-5/1/1"}});
  EXPECT_EQ("2000-01-01\n1999-04-20\n1999-12-31\n1995-01-01\n", run.out);
  EXPECT_EQ(0, run.status);
}

// status 1 cases name the offending text on stderr and print nothing.
struct AddCase {
  std::string date;
  std::string days;
  std::string want;  // ISO, or "" when refused
};

TEST(Add, RoundsTheSumHalfToEvenAndRefusesWhatHasNoDate) {
  const AddCase cases[] = {
      {"2000/1/1", "365", "2000-12-31"},
      {"2000/1/1", "-1", "1999-12-31"},
      {"2000/1/1", " 365", "2000-12-31"},  // the window's own day count
      {"2000/1/1", "1e2", "2000-04-10"},
      {"2000/1/1", "&H10", "2000-01-17"},
      {"2000/1/1", "3 days", "2000-01-04"},
      // 2000-01-01 is day 730120: ties go to the even day number.
      {"2000/1/1", "0.5", "2000-01-01"},
      {"2000/1/2", "0.5", "2000-01-03"},
      {"2000/1/1", "1.5", "2000-01-03"},
      {"2000/1/2", "1.5", "2000-01-03"},
      {"2000/1/1", "-0.5", "2000-01-01"},
      {"2000/1/2", "-0.5", "2000-01-01"},
      {"", "1", "1999-04-21"},
      {"-2100/1/1", "800000", "2090-04-29"},
      // The ends of the calendar.
      {"00/12/31", "1", "0001-01-01"},
      {"0001/1/1", "0", "0001-01-01"},
      {"32767/12/31", "0", "32767-12-31"},
      {"0001/1/1", "-1", ""},
      // Rounds to day number 0, which has no date at all.
      {"0001/1/1", "-0.5", ""},
      {"32767/12/31", "1", ""},
      {"2000/1/1", "1e10", ""},
      {"2000/1/1", "-1e10", ""},
      {"2000/1/1", "1e400", ""},
      // Not a day count, where the window would quietly add 0.
      {"2000/1/1", "", ""},
      {"2000/1/1", "  ", ""},
      {"2000/1/1", "x1", ""},
      {"2000/2/30", "1", ""},
  };
  for (const AddCase& c : cases) {
    const CliResult run = RunCli({.args = {"--iso", "add", c.date, c.days}});
    const std::string where = c.date + " + " + c.days;
    if (c.want.empty()) {
      EXPECT_EQ("", run.out) << where;
      EXPECT_EQ(1, run.status) << where;
      EXPECT_EQ(1u, Lines(run.err).size()) << where << run.err;
      EXPECT_NE(std::string::npos,
                run.err.find(c.date == "2000/2/30" ? c.date : c.days))
          << where << run.err;
    } else {
      EXPECT_EQ(c.want + "\n", run.out) << where << run.err;
      EXPECT_EQ(0, run.status) << where;
    }
  }
}

TEST(Add, WritesTheChosenStyle) {
  EXPECT_EQ("H 12/ 12/ 31(日)\n", RunCli({.args = {"add", "h12/1/1", "365"}}).out);
  EXPECT_EQ(" 1999/ 12/ 31(金)\n",
            RunCli({.args = {"--western", "add", "2000/1/1", "-1"}}).out);
}

struct DiffCase {
  std::string first;
  std::string second;
  std::string want;  // "" when refused
};

TEST(Diff, PrintsThePlainDayCount) {
  const DiffCase cases[] = {
      {"2000/1/1", "2000/12/31", "365"},
      {"2000/1/1", "2000/1/1", "0"},
      {"2000/12/31", "2000/1/1", "-365"},
      {"2000/2/1", "2000/1/1", "-31"},
      {"-5/1/1", "2000/1/1", "1826"},
      {"", "2000/1/1", "256"},
      {"", "", "0"},
      {"H 12/ 1/ 1(土)", " 2000/ 1/ 2(日)", "1"},
      {"0001/1/1", "32767/12/31", "11967899"},
      {"32767/12/31", "00/1/1", "-11968265"},
      {"2000/1/1", "2000/1/32", ""},
      {"4/31", "2000/1/1", ""},
  };
  for (const DiffCase& c : cases) {
    const CliResult run = RunCli({.args = {"diff", c.first, c.second}});
    const std::string where = c.first + " .. " + c.second;
    EXPECT_EQ(c.want.empty() ? "" : c.want + "\n", run.out) << where;
    EXPECT_EQ(c.want.empty() ? 1 : 0, run.status) << where << run.err;
  }
}

}  // namespace
}  // namespace clitest
