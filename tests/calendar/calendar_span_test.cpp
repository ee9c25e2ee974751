#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "calendar/calendar_span.h"
#include "numeric/checked.h"
#include "support/date_parts_output.h"

namespace kalvenor {
namespace {

std::string MonthsAfterText(const DateParts& date, std::int32_t months) {
  try {
    return ::testing::PrintToString(MonthsAfter(date, months));
  } catch (const checked::OverflowError&) {
    return "overflow";
  }
}

// The day is kept where the month has it, else the month's last; years run on through 0.
TEST(MonthsAfter, ClampsTheDayToTheMonth) {
  // clang-format off
  const std::tuple<DateParts, std::int32_t, const char*> cases[] = {
      {{2026, 1, 31}, 1, "2026-2-28"}, {{2024, 1, 31}, 1, "2024-2-29"},
      {{2026, 3, 31}, -1, "2026-2-28"}, {{2024, 2, 29}, 12, "2025-2-28"},
      {{2024, 2, 29}, 48, "2028-2-29"}, {{2026, 1, 15}, -1, "2025-12-15"},
      {{0, 1, 31}, -1, "-1-12-31"}, {{-1, 3, 31}, -1, "-1-2-28"}, {{-4, 3, 31}, -1, "-4-2-29"},
      {{32767, 1, 31}, 11, "32767-12-31"}, {{-32768, 12, 1}, -11, "-32768-1-1"},
      {{32767, 12, 31}, 1, "overflow"}, {{-32768, 1, 1}, -1, "overflow"},  // the year past 16 bits
      {{2026, 5, 15}, 2147483647, "overflow"}};                           // the months past 32
  // clang-format on
  for (const auto& [date, months, want] : cases)
    EXPECT_EQ(want, MonthsAfterText(date, months)) << date << " + " << months;
}

std::string SpanText(const CalendarSpan& span) {
  return (span.backwards ? "back " : "") + std::to_string(span.years) + "y " +
         std::to_string(span.months) + "m " + std::to_string(span.days) + "d";
}

// Whole months while the clamped date does not pass the end, then days; backwards is the
// forward span marked.
TEST(SpanBetween, CountsMonthsThenDays) {
  // clang-format off
  const std::tuple<DateParts, DateParts, const char*> cases[] = {
      {{2026, 1, 31}, {2026, 2, 28}, "0y 1m 0d"},    // the month's end reached by clamping
      {{2026, 1, 31}, {2026, 2, 27}, "0y 0m 27d"},   // one day short of it
      {{2026, 1, 31}, {2026, 3, 1}, "0y 1m 1d"}, {{2026, 3, 1}, {2026, 1, 31}, "back 0y 1m 1d"},
      {{2024, 2, 29}, {2025, 2, 28}, "1y 0m 0d"}, {{2024, 2, 29}, {2028, 2, 28}, "3y 11m 30d"},
      {{2026, 12, 7}, {2026, 12, 7}, "0y 0m 0d"}, {{-1, 12, 31}, {0, 1, 1}, "0y 0m 1d"},
      {{-5, 3, 1}, {5, 3, 1}, "10y 0m 0d"},
      {{-32768, 1, 1}, {32767, 12, 31}, "65535y 11m 30d"},
      {{32767, 12, 31}, {-32768, 1, 1}, "back 65535y 11m 30d"}};
  // clang-format on
  for (const auto& [from, to, want] : cases)
    EXPECT_EQ(want, SpanText(SpanBetween(from, to))) << from << " to " << to;
}

}  // namespace
}  // namespace kalvenor
