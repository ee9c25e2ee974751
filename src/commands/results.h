// What a calculation found, before anyone writes it: kalvenor-cli turns it
// into lines (cli/result_text.h), the page into its answers
// (web/page_view.cpp). Nothing here owns memory, so a stream reuses one
// result from line to line.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "calendar/calendar_span.h"
#include "calendar/gregorian.h"
#include "holidays/business_days.h"

namespace kalvenor::commands {

// show and add.
struct DateResult {
  DateParts date;
  // With --holiday: the national holiday's name, empty on a day that is
  // none; without it, nothing.
  std::optional<std::u16string_view> holiday;
  // add's business days, when Settings::days_off asks: the days its steps
  // passed over.
  std::optional<DaysOff> left_out;
};

// diff and workdays.
struct CountResult {
  std::int32_t days = 0;
  // workdays, when Settings::days_off asks: the days it did not count.
  std::optional<DaysOff> left_out;
};

// age: completed years, then months and days, under the age law.
struct AgeResult {
  std::int32_t years = 0;
  std::int32_t months = 0;
  std::int32_t days = 0;
  friend bool operator==(const AgeResult&, const AgeResult&) = default;
};

// holidays: the days in order; HolidayOn (holidays/holidays.h) names each.
struct HolidayListResult {
  std::span<const SerialDay> days;
  // The days listed: whole years from January 1 (in 1948 from the day the
  // holiday law took effect) to December 31, or the two dates in order.
  SerialDay first = 0;
  SerialDay last = 0;
  bool whole_years = false;
};

// span's is the engine's CalendarSpan. The calculations of a stream's lines
// store theirs in place (emplace): a result built aside and copied in
// stalls the processor on the copy, a tenth of a batch's time.
using Result = std::variant<DateResult, CountResult, CalendarSpan, AgeResult, HolidayListResult>;

}  // namespace kalvenor::commands
