// The typed-date language.
//
//   2000/1/1  h12/1/1  S64/1/7   full form; era letters (H S T M by default), either case
//   99/1/1 -> 1999    51/1/1 -> 2051   two-digit years
//   12/31   4/E      month/day: the first such date not before today
//   25   E   月2     day only: in this month, or the next when earlier
//   (empty)          today
//
// A text that is not a date gives day kDayInvalid; the parser never raises
// an error, not even for numbers too large for 16 bits.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "calendar/eras.h"
#include "calendar/gregorian.h"

namespace kalvenor {

inline constexpr std::int16_t kDayInvalid = 0;
inline constexpr std::int16_t kDayEndOfMonth = 98;
inline constexpr std::int16_t kDayPastMonthEnd = 99;

// Parses text with the reference day today + offset, era letters taken
// from eras. Each parse reads Today() once; the reference day is kept from
// parse to parse and built again when the date or the offset has changed.
// On success month is 1..12 and day 1..DaysInMonth; on failure day is
// kDayInvalid and year and month hold what the parse reached (for a text of
// four or more fields they keep the caller's values).
void ParseDateText(const std::u16string& text, DateParts& date, std::int16_t offset,
                   std::span<const Era> eras = kWindowEras);

// ParseDateText with offset 0, the only form the program uses.
void ParseDate(const std::u16string& text, DateParts& date,
               std::span<const Era> eras = kWindowEras);

}  // namespace kalvenor
