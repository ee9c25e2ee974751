// The date language's rules on numbers: what a date is once its fields are
// read. The window's parser (date_parser.h) and kalvenor-cli's reader read
// texts their own ways and call these with the numbers, so both complete,
// check and resolve a date by the same rules. A day field is a number, E
// (the month's last day) or a weekday of the month (月2, the second Monday).
//
//   DateOfFields     year/month/day as given
//   CompleteMonthDay month/day: the first not before today, in one of six
//                    years from today's
//   CompleteDay      day only: in today's month, or the next one when it is
//                    past
// Example, with today Tuesday 1999-04-20:
//   DateOfFields(2000, 2, {DayKind::MonthEnd}, today)    // 2000-02-29
//   CompleteMonthDay(2, DayField::Number(29), today)     // .date 2000-02-29
//   CompleteDay(DayField::Weekday(1, 0), today)          // .date 1999-04-26
//   CompleteDay(DayField::Number(31), today)             // .found false:
//                                   // April has 30 days, no other is tried
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/gregorian.h"

namespace kalvenor {

// What the day field of a date holds.
enum class DayKind {
  Number,        // a day as written, which the month need not have
  MonthEnd,      // "E": the month's last day
  Weekday,       // the week-th given weekday of the month, or the next one
  PastMonthEnd,  // a day past every month's end: no candidate holds it
  None,          // no day in any month: a search gives up at its first
};

struct DayField {
  DayKind kind = DayKind::None;
  std::int16_t number = 0;  // Number: the day
  int weekday = 0;          // Weekday: 0 Sunday .. 6 Saturday
  int week = 0;             // Weekday: 1..5, or 0 for the next from today

  static constexpr DayField Number(std::int16_t day) { return {DayKind::Number, day}; }
  static constexpr DayField Weekday(int weekday, int week) {
    return {DayKind::Weekday, 0, weekday, week};
  }
};

// "E" asks for the month's last day, in either case.
constexpr bool IsMonthEndLetter(char16_t c) { return c == u'E' || c == u'e'; }

// Two-digit years: 0..51 are 2000..2051 and 52..99 1952..1999; years below
// 0 count the same way (-5 is 1995), and 100 and above stay as they are.
constexpr std::int16_t ExpandTwoDigitYear(std::int16_t year) {
  if (year >= 100) return year;
  return static_cast<std::int16_t>(year + (year <= 51 ? 2000 : 1900));  // [-30768, 2051]
}

// The day of the week-th weekday of year/month (week 1..5: the days 1..7,
// 8..14 and so on), or with week 0 the first on or after today in today's
// month and on or after the 1st in any other; nothing when the month has
// no such day. month is 0..12; month 0 has no days, and its day 1 still
// counts when it falls on the weekday.
std::optional<std::int16_t> WeekdayDay(std::int16_t year, std::int16_t month, int weekday, int week,
                                       const DateParts& today);

// The date of year, month and day as given, nothing for no such date.
// today serves only a weekday without a week number.
std::optional<DateParts> DateOfFields(std::int16_t year, std::int16_t month, const DayField& day,
                                      const DateParts& today);

// What a completion found: the date, or, for none, the year and month where
// the search stopped (the window shows those fields).
struct CompletedDate {
  DateParts date;
  bool found = false;
};

// today must be a valid date. Tries today's year and the five after it: the
// first whose month holds the day and, in today's year, whose date is not
// before today. When all six fail, a day number is still taken in the
// seventh year if that year has it (2/29 from 2098-03-01 is 2104-02-29).
CompletedDate CompleteMonthDay(std::int16_t month, const DayField& day, const DateParts& today);

// today must be a valid date. Tries today's month and up to 99 after it: the
// first that holds the day, not before today in today's month; a day number
// moves on at most one month, where the day may not exist (31 is no date in
// a 30-day month).
CompletedDate CompleteDay(const DayField& day, const DateParts& today);

}  // namespace kalvenor
