// The weekday characters, in WeekdayOf's numbering: character w is the
// weekday w, Sunday (0) first.
#pragma once

#include <string_view>

namespace kalvenor {

inline constexpr std::u16string_view kWeekdayChars = u"日月火水木金土";

}  // namespace kalvenor
