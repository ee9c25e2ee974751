// The national holidays as the holiday law and its amendments set them: a
// row per holiday and per span of years in which it fell on one rule. The
// days that the law derives from these (振替休日, 国民の休日) are not rows;
// holidays.cpp applies those two rules to the days the rows give.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor::holiday_rules {

enum class Kind : std::uint8_t {
  Fixed,    // value: the day of the month
  Monday,   // value: which Monday of the month (Happy Monday)
  Equinox,  // value: the formula's constant C in millionths of a day
};

struct Rule {
  std::u16string_view name;
  std::int16_t first_year;
  std::int16_t last_year;
  std::int8_t month;
  Kind kind;
  std::int32_t value;
};

inline constexpr std::int16_t kOpen = 2099;  // a rule still in force

// Rows of a holiday keep the law's order of change. A one-off day is a
// fixed day of a single year.
inline constexpr std::array kRules = std::to_array<Rule>({
    {u"元日", 1949, kOpen, 1, Kind::Fixed, 1},
    {u"成人の日", 1949, 1999, 1, Kind::Fixed, 15},
    {u"成人の日", 2000, kOpen, 1, Kind::Monday, 2},
    {u"建国記念の日", 1967, kOpen, 2, Kind::Fixed, 11},
    {u"天皇誕生日", 2020, kOpen, 2, Kind::Fixed, 23},
    {u"春分の日", 1949, kOpen, 3, Kind::Equinox, 20'843'100},
    {u"天皇誕生日", 1949, 1988, 4, Kind::Fixed, 29},
    {u"みどりの日", 1989, 2006, 4, Kind::Fixed, 29},
    {u"昭和の日", 2007, kOpen, 4, Kind::Fixed, 29},
    {u"憲法記念日", 1949, kOpen, 5, Kind::Fixed, 3},
    {u"みどりの日", 2007, kOpen, 5, Kind::Fixed, 4},
    {u"こどもの日", 1949, kOpen, 5, Kind::Fixed, 5},
    {u"海の日", 1996, 2002, 7, Kind::Fixed, 20},
    {u"海の日", 2003, 2019, 7, Kind::Monday, 3},
    {u"海の日", 2020, 2020, 7, Kind::Fixed, 23},
    {u"海の日", 2021, 2021, 7, Kind::Fixed, 22},
    {u"海の日", 2022, kOpen, 7, Kind::Monday, 3},
    {u"山の日", 2016, 2019, 8, Kind::Fixed, 11},
    {u"山の日", 2020, 2020, 8, Kind::Fixed, 10},
    {u"山の日", 2021, 2021, 8, Kind::Fixed, 8},
    {u"山の日", 2022, kOpen, 8, Kind::Fixed, 11},
    {u"敬老の日", 1966, 2002, 9, Kind::Fixed, 15},
    {u"敬老の日", 2003, kOpen, 9, Kind::Monday, 3},
    {u"秋分の日", 1948, kOpen, 9, Kind::Equinox, 23'248'800},
    {u"体育の日", 1966, 1999, 10, Kind::Fixed, 10},
    {u"体育の日", 2000, 2019, 10, Kind::Monday, 2},
    {u"スポーツの日", 2020, 2020, 7, Kind::Fixed, 24},
    {u"スポーツの日", 2021, 2021, 7, Kind::Fixed, 23},
    {u"スポーツの日", 2022, kOpen, 10, Kind::Monday, 2},
    {u"文化の日", 1948, kOpen, 11, Kind::Fixed, 3},
    {u"勤労感謝の日", 1948, kOpen, 11, Kind::Fixed, 23},
    {u"天皇誕生日", 1989, 2018, 12, Kind::Fixed, 23},
    // The days of the imperial ceremonies, each declared a holiday by its
    // own law.
    {u"皇太子明仁親王の結婚の儀", 1959, 1959, 4, Kind::Fixed, 10},
    {u"昭和天皇の大喪の礼", 1989, 1989, 2, Kind::Fixed, 24},
    {u"即位礼正殿の儀", 1990, 1990, 11, Kind::Fixed, 12},
    {u"皇太子徳仁親王の結婚の儀", 1993, 1993, 6, Kind::Fixed, 9},
    {u"天皇の即位の日", 2019, 2019, 5, Kind::Fixed, 1},
    {u"即位礼正殿の儀", 2019, 2019, 10, Kind::Fixed, 22},
});

// The names of the days the law makes holidays by the rows above.
inline constexpr std::u16string_view kSubstitute = u"振替休日";
inline constexpr std::u16string_view kBetween = u"国民の休日";

// The law that brought each derived day, and the 2007 amendment, which made
// the substitute the next day that is no holiday (before: the Monday, unless
// a holiday itself) and let a Sunday or a substitute lie between holidays.
inline constexpr DateParts kSubstituteSince{1973, 4, 12};
inline constexpr DateParts kBetweenSince{1985, 12, 27};
inline constexpr std::int16_t kAmendedYear = 2007;

}  // namespace kalvenor::holiday_rules
