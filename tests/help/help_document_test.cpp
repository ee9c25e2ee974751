// Every example in the help document, run through the engine (date texts
// and the window's two calculations) or the built kalvenor-cli (the
// command-line examples), so the document cannot drift from the program.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/gregorian.h"
#include "display/display_text.h"
#include "help_testing.h"
#include "numeric/checked.h"
#include "parse/clock.h"
#include "parse/date_parser.h"
#include "parse/number.h"
#include "text/utf8.h"

namespace {

using chars::FromUtf8;
using chars::ToUtf8;

std::string Document() {
  std::ifstream in(KALVENOR_HELP_DOCUMENT, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Unescaped(std::string text) {
  const std::pair<std::string, std::string> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : entities) {
    for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, entity.size(), plain);
    }
  }
  return text;
}

std::vector<std::smatch> Matches(const std::string& text, const std::regex& pattern) {
  return {std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()};
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

// Pins today ("1999-04-20") for the parser and the weekday searches.
void SetToday(std::string isoDate) {
  for (char& c : isoDate) c = c == '-' ? '/' : c;
  ymd::SetTodayTextForTesting(FromUtf8(isoDate));
  ymd::ResetTodayCache();
}

ymd::DateParts Parse(const std::string& text) {
  ymd::DateParts date;
  ymd::ParseDate(FromUtf8(Unescaped(text)), date);
  return date;
}

class HelpDocument : public testing::Test {
 protected:
  void TearDown() override { SetToday(""); }
  const std::string html = Document();
};

TEST_F(HelpDocument, IsJapaneseUtf8Html) {
  ASSERT_FALSE(html.empty()) << KALVENOR_HELP_DOCUMENT;
  EXPECT_NE(std::string::npos, html.find("<html lang=\"ja\">"));
  EXPECT_NE(std::string::npos, html.find("<meta charset=\"utf-8\">"));
  EXPECT_EQ(html, ToUtf8(FromUtf8(html))) << "not well-formed UTF-8";
}

// <tr data-today="…" [data-style="western"]><td><kbd>typed</kbd>…</td>
// <td><samp [class="invalid"]>display text</samp>
TEST_F(HelpDocument, DateExamplesShowWhatTheParserGives) {
  static const std::regex example(
      R"re(<tr data-today="([0-9-]+)"( data-style="western")?><td><kbd>([^<]*)</kbd>[^<]*</td><td><samp( class="invalid")?>([^<]*)</samp>)re");
  const auto rows = Matches(html, example);
  EXPECT_LE(30u, rows.size());
  EXPECT_EQ(Count(html, "<tr data-today="), rows.size()) << "an example row the test cannot read";
  for (const auto& row : rows) {
    SetToday(row[1]);
    const ymd::DateParts date = Parse(row[3]);
    if (row[4].matched) {
      EXPECT_EQ(ymd::kDayInvalid, date.day) << row[3];
    } else {
      const auto style = row[2].matched ? ymd::DisplayStyle::Western : ymd::DisplayStyle::Era;
      EXPECT_EQ(Unescaped(row[5]), ToUtf8(ymd::DisplayText(date, style))) << row[3];
    }
  }
}

// The window's arithmetic: days = Date2 - Date1; Date2 = Date1 + days,
// the sum rounded half to even.
std::string Calculated(const std::string& mode, const std::string& first,
                       const std::string& second) {
  const ymd::DateParts date1 = Parse(first);
  if (mode == "diff") {
    return ToUtf8(ymd::NumberText(ymd::SerialOf(Parse(second)) - ymd::SerialOf(date1)));
  }
  ymd::SerialDay serial = checked::RoundToInt32(
      ymd::SerialOf(date1) + ymd::ReadNumber(FromUtf8(Unescaped(second))));
  ymd::DateParts date2;
  ymd::SerialDateConvert(serial, date2);
  return ToUtf8(ymd::DisplayText(date2, ymd::DisplayStyle::Era));
}

TEST_F(HelpDocument, CalculationExamplesAddUp) {
  static const std::regex example(
      R"re(<tr data-calc="(diff|add)" data-today="([0-9-]+)"><td><kbd>([^<]*)</kbd>[^<]*</td><td><kbd>([^<]*)</kbd></td><td><samp>([^<]*)</samp>)re");
  const auto rows = Matches(html, example);
  EXPECT_LE(8u, rows.size());
  EXPECT_EQ(Count(html, "<tr data-calc="), rows.size()) << "an example row the test cannot read";
  for (const auto& row : rows) {
    SetToday(row[2]);
    EXPECT_EQ(Unescaped(row[5]), Calculated(row[1], row[3], row[4]))
        << row[1] << " " << row[3] << " " << row[4];
  }
}

// Runs an example as a user would type it, with the built kalvenor-cli.
std::string Stdout(const std::string& command) {
  return testing_help::StdoutOf(std::string("PATH='") + KALVENOR_CLI_DIR + "':\"$PATH\"; " + command);
}

// <pre class="cli"><kbd>command</kbd><samp>its output</samp></pre>
TEST_F(HelpDocument, CommandLineExamplesPrintWhatTheyShow) {
  static const std::regex example(
      R"re(<pre class="cli">\s*<kbd>([^<]*)</kbd>\s*<samp>([^<]*)</samp>\s*</pre>)re");
  const auto blocks = Matches(html, example);
  EXPECT_LE(5u, blocks.size());
  EXPECT_EQ(Count(html, "<pre class=\"cli\">"), blocks.size()) << "an example the test cannot read";
  for (const auto& block : blocks) {
    const std::string command = Unescaped(block[1]);
    EXPECT_EQ(Unescaped(block[2]) + "\n", Stdout(command)) << command;
  }
}

}  // namespace
