// Japan's national holidays, from the day the holiday law took effect to the
// end of 2099, with their official names. The days come from the rules in
// holiday_rules.h, worked out once, on first use.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor {

inline constexpr DateParts kFirstHolidayDataDay{1948, 7, 20};
inline constexpr DateParts kLastHolidayDataDay{2099, 12, 31};
inline constexpr SerialDay kHolidayDataFrom = SerialOf(kFirstHolidayDataDay);
inline constexpr SerialDay kHolidayDataThrough = SerialOf(kLastHolidayDataDay);

constexpr bool HolidaysKnown(SerialDay day) {
  return day >= kHolidayDataFrom && day <= kHolidayDataThrough;
}

// The name of the national holiday on the day, or an empty name for a day
// that is none. std::nullopt outside the data's days: there the answer is
// not known, which is not the same as "no holiday".
std::optional<std::u16string_view> HolidayOn(SerialDay day);

// The national holidays from first to last, in order; only the data's days
// have any.
std::span<const SerialDay> HolidaysBetween(SerialDay first, SerialDay last);

}  // namespace kalvenor
