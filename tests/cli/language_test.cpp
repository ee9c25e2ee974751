// The forms of the date language, end to end: each table goes through one
// "--iso show -" stream, a row per line; "" wants the line refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace clitest {
namespace {

struct FormCase {
  std::string text;
  std::string want;
};

void ExpectForms(const std::vector<FormCase>& cases, const std::string& today) {
  std::string input;
  int refused = 0;
  for (const FormCase& c : cases) {
    input += c.text + "\n";
    refused += c.want.empty();
  }
  const CliResult run =
      RunCli({.args = {"--iso", "show", "-"}, .input = input, .today = today});
  const std::vector<std::string> got = Lines(run.out);
  ASSERT_EQ(cases.size(), got.size()) << run.err;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(cases[i].want, got[i])
        << "today " << today << ": \"" << cases[i].text << "\"";
  }
  EXPECT_EQ(refused > 0 ? 1 : 0, run.status);
  EXPECT_EQ(refused, static_cast<int>(Lines(run.err).size())) << run.err;
}

// One or two of each form; the parser's own tests go through the rest.
TEST(DateLanguage, FormsRelativeToTheClockOn19990420) {
  ExpectForms(
      {
          // Day only: this month, or the next when earlier than today.
          {"", "1999-04-20"},
          {" 5", "1999-04-20"},
          {"5", "1999-05-05"},
          {"31", ""},
          {"E", "1999-04-30"},
          {"月", "1999-04-26"},
          {"x", ""},
          // Month/day: the first such date not before today.
          {"4/19", "2000-04-19"},
          {"2/29", "2000-02-29"},
          {"2/30", ""},
          {"4/月3", "2000-04-17"},
          {"13/1", ""},
          // Full form: era letters, two-digit years, month ends.
          {"h12/1/1", "2000-01-01"},
          {"S64/1/7", "1989-01-07"},
          {"51/1/1", "2051-01-01"},
          {"52/1/1", "1952-01-01"},
          {"05/1/1", "0005-01-01"},
          {"-2005/1/1", "-0005-01-01"},
          {"32767/12/31", "32767-12-31"},
          {"2000/1/E", "2000-01-31"},
          {"2000/1/1/", ""},
          {"2000/1/99999", ""},
          {"日付", ""},
          // The tool's own display texts read back.
          {"H 12/ 1/ 1(土)", "2000-01-01"},
          {" 2000/ 12/ 31(日)", "2000-12-31"},
      },
      kToday);
}

TEST(DateLanguage, FormsRelativeToALeapDay) {
  ExpectForms({{"", "2024-02-29"},
               {"30", ""},
               {"1", "2024-03-01"},
               {"E", "2024-02-29"},
               {"2/28", "2025-02-28"},
               {"24/2/29", "2024-02-29"}},
              "2024-02-29");
}

}  // namespace
}  // namespace clitest
