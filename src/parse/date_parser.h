// The typed-date language.
//
//   2000/1/1  h12/1/1  S64/1/7   full form; era letters (H S T M by default), either case
//   99/1/1 -> 1999    51/1/1 -> 2051   two-digit years
//   12/31   4/E      month/day: the first such date not before today
//   25   E   月2     day only: in this month, or the next when earlier
//   (empty)          today
//
// A text that is not a date gives no date; the parser never raises an
// error, not even for numbers too large for 16 bits. It reads the text the
// window's way and leaves the rules to date_rules.h.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "calendar/eras.h"
#include "calendar/gregorian.h"

namespace kalvenor {

// The day of ParsedDate::fields when the text is no date.
inline constexpr std::int16_t kDayInvalid = 0;

struct ParsedDate {
  // The date, or nothing when the text is no date.
  std::optional<DateParts> date;
  // What the window shows and counts with: the date, or for no date the
  // fields the parse reached with day kDayInvalid, the others kept from the
  // start fields (a text of four or more fields keeps year and month).
  DateParts fields;
};

// Parses text against today, with the era letters of eras. On success
// month is 1..12 and day 1..DaysInMonth.
ParsedDate ParseDate(const std::u16string& text, const DateParts& today,
                     std::span<const Era> eras = kWindowEras, const DateParts& start = {});

}  // namespace kalvenor
