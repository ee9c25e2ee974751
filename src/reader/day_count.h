// The DAYS operand of add: a number and an optional unit.
//   10  10d  10日  -3  2.5        days (a fraction only for days)
//   2w  2週  2週間                weeks
//   3mo  3か月  3ヶ月  3カ月       calendar months, the day kept where the month has it
//   1y  1年                       calendar years, the same way
//   3b  3営業日                   business days
// Blanks may stand around the whole and between the number and the unit.
#pragma once

#include <optional>
#include <string_view>

namespace kalvenor::reader {

enum class DayUnit { Day, Week, Month, Year, Business };

struct DayCount {
  double amount = 0;  // a whole number for every unit but Day
  DayUnit unit = DayUnit::Day;
};

// Nothing unless text is a count as a whole: "1,000", "0x10", "&H10",
// "1e3", "1.5w", "3x" and "2026/12/31" are refused. Full-width forms must
// already be folded.
std::optional<DayCount> ReadDayCount(std::u16string_view text);

}  // namespace kalvenor::reader
