// The DAYS operand of add: a number and an optional unit.
//   10  10d  10日  -3  2.5        days (a fraction only for days)
//   2w  2週  2週間                weeks
//   3mo  3か月  3ヶ月  3カ月       calendar months, the day kept where the month has it
//   1y  1年                       calendar years, the same way
//   3b  3営業日                   business days (cli/business_days.h)
// Blanks may stand around the whole and between the number and the unit.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor::cli {

enum class DayUnit { Day, Week, Month, Year, Business };

struct DayCount {
  double amount = 0;  // a whole number for every unit but Day
  DayUnit unit = DayUnit::Day;
};

// Nothing unless text is a count as a whole: "1,000", "0x10", "&H10",
// "1e3", "1.5w", "3x" and "2026/12/31" are refused. Full-width forms must
// already be folded.
std::optional<DayCount> ReadDayCount(std::u16string_view text);

// The date count after date (before it when negative); not for business
// days, which need their calendar (cli/business_days.h). Days are added to
// the day number and the sum rounded half to even as a whole; months and
// years move the calendar month and clamp the day to the month's last
// (2026-01-31 + 1 month is 2026-02-28). Nothing when the result lies
// outside 0001-01-01..32767-12-31; a sum beyond 32 bits raises
// checked::OverflowError.
std::optional<DateParts> DateAfterCount(const DateParts& date, const DayCount& count);

}  // namespace kalvenor::cli
