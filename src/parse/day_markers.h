// Day values that stand for something else while a parse runs; no parse
// result carries them.
#pragma once

#include <cstdint>

namespace kalvenor {

// "E": the last day of the month, settled once the month is known.
inline constexpr std::int16_t kDayEndOfMonth = 98;
// A day the month does not have (the fifth Monday of a short month).
inline constexpr std::int16_t kDayPastMonthEnd = 99;

}  // namespace kalvenor
