#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "calendar/date.h"
#include "commands/day_list.h"

namespace kalvenor::commands {
namespace {

// A row per rule of the list's form: comments, blank lines, CRLF, a last
// line without its line end, the reader's forms against today; the first
// line that is no date, by number and as written.
TEST(DayList, ReadsOneDateALine) {
  const reader::ReadOptions read{{2026, 12, 7}};
  const struct {
    std::string_view text;
    std::vector<DateParts> days;
    std::size_t bad_line;  // 0: none
    std::string_view bad_text;
    const char* reason;
  } cases[] = {
      {"", {}, 0, "", "empty"},
      {"2026/8/13\n", {{2026, 8, 13}}, 0, "", "one date"},
      {"# 夏休み\n\n  \n2026-08-13  # お盆\n", {{2026, 8, 13}}, 0, "", "comments and blank lines"},
      {"2026/8/13\r\n令和8年8月14日\r\n", {{2026, 8, 13}, {2026, 8, 14}}, 0, "", "CRLF"},
      {"2026/8/13\n12/31", {{2026, 8, 13}, {2026, 12, 31}}, 0, "", "no last line end; from today"},
      {"2026/8/13\n\nabc # x\r\n2026/8/14\n", {{2026, 8, 13}}, 3, "abc # x", "the third line"},
      {"2026/2/30", {}, 1, "2026/2/30", "no such day"},
  };
  for (const auto& c : cases) {
    const DayList list = ReadDayList(c.text, read);
    std::vector<SerialDay> days;
    for (const DateParts& date : c.days) days.push_back(SerialOf(date));
    EXPECT_EQ(list.days, days) << c.reason;
    EXPECT_EQ(list.bad_line.value_or(0), c.bad_line) << c.reason;
    EXPECT_EQ(list.bad_text, c.bad_text) << c.reason;
  }
}

}  // namespace
}  // namespace kalvenor::commands
