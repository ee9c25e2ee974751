// The engine's date interface: what the window, kalvenor-cli and other
// callers use. Dates are DateParts and day numbers SerialDay (0001-01-01 is
// day 1, 2000-01-01 day 730120); see gregorian.h for the building blocks
// underneath, whose fields fold (day 0 is the last day of the month before).
//
// Dates to day numbers and back
//   date.IsValid()          whether the fields name a day as they stand
//   SerialOf(date)          the day number of any 16-bit fields, folded
//   DateOf(serial)          the date of a day from 0001-01-01 to 32767-12-31
//   WeekdayOf(date)         0 Sunday .. 6 Saturday, for folded fields too
//   WeekdayOfSerial(serial) the same from a day number, any day number
//
// Counting days
//   DaysBetween(from, to)   days from one date to the other, negative back
//   DateAfter(date, days)   the date that many days on; a fraction rounds
//                           the sum half to even, so it depends on the start
//
// Failures, the only two, each one exception type:
//   checked::OverflowError  a value left its width on the way (a day count
//                           past 32 bits, a day of the year past 16)
//   OutsideCalendarError    a date was asked for a day before 0001-01-01 or
//                           after 32767-12-31; it says which side
//
// Example:
//   const kalvenor::DateParts start{2000, 1, 1};
//   DaysBetween(start, {2000, 12, 31});   // 365
//   DateAfter(start, -1);                 // {1999, 12, 31}
//   DateAfter(start, -730120);            // throws OutsideCalendarError,
//                                         // BeforeFirstDay() true
#pragma once

#include <cstdint>
#include <stdexcept>

#include "calendar/floor_div.h"
#include "calendar/gregorian.h"

namespace kalvenor {

class OutsideCalendarError : public std::out_of_range {
 public:
  explicit OutsideCalendarError(bool beforeFirstDay)
      : std::out_of_range("day outside the calendar"), beforeFirstDay_(beforeFirstDay) {}
  // True before 0001-01-01, false after 32767-12-31.
  bool BeforeFirstDay() const { return beforeFirstDay_; }

 private:
  bool beforeFirstDay_;
};

// SerialOf(date) is gregorian.h's, inline for batch loops.

DateParts DateOf(SerialDay serial);

std::int16_t WeekdayOf(const DateParts& date);

// Day 1 is a Monday.
constexpr int WeekdayOfSerial(SerialDay day) { return FloorMod(day, 7); }

std::int32_t DaysBetween(const DateParts& from, const DateParts& to);

DateParts DateAfter(const DateParts& date, double days);

}  // namespace kalvenor
