#include "holidays/holidays.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "calendar/date.h"
#include "calendar/floor_div.h"
#include "holidays/holiday_rules.h"

namespace kalvenor {
namespace {

using holiday_rules::Kind;
using holiday_rules::kRules;
using holiday_rules::Rule;

constexpr std::size_t kDays = kHolidayDataThrough - kHolidayDataFrom + 1;
constexpr int kSunday = 0;
constexpr int kMonday = 1;

// A day's entry: 0 no holiday, 1..kRules.size() the rule that makes it one,
// then the two derived days.
constexpr std::uint8_t kSubstituteEntry = kRules.size() + 1;
constexpr std::uint8_t kBetweenEntry = kRules.size() + 2;
static_assert(kBetweenEntry < 256);

// The day of the month on which the rule falls in the year.
std::int16_t DayOfMonth(const Rule& rule, std::int16_t year) {
  switch (rule.kind) {
    case Kind::Fixed: return static_cast<std::int16_t>(rule.value);
    case Kind::Monday: {
      const int firstWeekday = WeekdayOfSerial(SerialOf({year, rule.month, 1}));
      const int firstMonday = 1 + (kMonday - firstWeekday + 7) % 7;
      return static_cast<std::int16_t>(firstMonday + 7 * (rule.value - 1));
    }
    case Kind::Equinox: {
      // floor(C + 0.242194 (y - 1980) - floor((y - 1980) / 4)) in whole
      // millionths; the inner floor is an integer, so it comes out.
      const std::int32_t years = year - 1980;
      return static_cast<std::int16_t>(FloorDiv(rule.value + 242194 * years, 1'000'000) -
                                       FloorDiv(years, 4));
    }
  }
  return 0;
}

class HolidayTable {
 public:
  HolidayTable() {
    PlaceRules();
    PlaceSubstitutes();
    PlaceDaysBetween();
    for (SerialDay day = kHolidayDataFrom; day <= kHolidayDataThrough; ++day) {
      if (Entry(day) != 0) days_.push_back(day);
    }
  }

  std::uint8_t Entry(SerialDay day) const { return entries_[day - kHolidayDataFrom]; }
  const std::vector<SerialDay>& Days() const { return days_; }

 private:
  // A holiday by a rule of the law (国民の祝日), not a derived day.
  bool IsRuleDay(SerialDay day) const {
    return HolidaysKnown(day) && Entry(day) != 0 && Entry(day) < kSubstituteEntry;
  }
  void Set(SerialDay day, std::uint8_t entry) { entries_[day - kHolidayDataFrom] = entry; }

  void PlaceRules() {
    for (std::size_t row = 0; row < kRules.size(); ++row) {
      const Rule& rule = kRules[row];
      for (std::int16_t year = rule.first_year; year <= rule.last_year; ++year) {
        const SerialDay day = SerialOf({year, rule.month, DayOfMonth(rule, year)});
        if (HolidaysKnown(day)) Set(day, static_cast<std::uint8_t>(row + 1));
      }
    }
  }

  // A holiday on a Sunday gives the next day off; since 2007 the next day
  // that is no holiday.
  void PlaceSubstitutes() {
    const SerialDay amended = SerialOf({holiday_rules::kAmendedYear, 1, 1});
    for (SerialDay day = SerialOf(holiday_rules::kSubstituteSince); day <= kHolidayDataThrough;
         ++day) {
      if (!IsRuleDay(day) || WeekdayOfSerial(day) != kSunday) continue;
      SerialDay next = day + 1;
      while (day >= amended && IsRuleDay(next)) ++next;
      if (HolidaysKnown(next) && Entry(next) == 0) Set(next, kSubstituteEntry);
    }
  }

  // A day between two holidays of the law is off too; before 2007 not a
  // Sunday (nor a substitute, which is no longer free here).
  void PlaceDaysBetween() {
    const SerialDay amended = SerialOf({holiday_rules::kAmendedYear, 1, 1});
    for (SerialDay day = SerialOf(holiday_rules::kBetweenSince); day < kHolidayDataThrough; ++day) {
      if (Entry(day) != 0 || !IsRuleDay(day - 1) || !IsRuleDay(day + 1)) continue;
      if (day < amended && WeekdayOfSerial(day) == kSunday) continue;
      Set(day, kBetweenEntry);
    }
  }

  std::array<std::uint8_t, kDays> entries_{};
  std::vector<SerialDay> days_;  // the holidays, in order
};

// Worked out on first use; the static's guard makes that safe from any
// thread.
const HolidayTable& Table() {
  static const HolidayTable table;
  return table;
}

std::u16string_view NameOf(std::uint8_t entry) {
  if (entry == 0) return {};
  if (entry == kSubstituteEntry) return holiday_rules::kSubstitute;
  if (entry == kBetweenEntry) return holiday_rules::kBetween;
  return kRules[entry - 1].name;
}

}  // namespace

std::optional<std::u16string_view> HolidayOn(SerialDay day) {
  if (!HolidaysKnown(day)) return std::nullopt;
  return NameOf(Table().Entry(day));
}

std::span<const SerialDay> HolidaysBetween(SerialDay first, SerialDay last) {
  const std::vector<SerialDay>& days = Table().Days();
  const auto begin = std::lower_bound(days.begin(), days.end(), first);
  const auto end = std::upper_bound(begin, days.end(), last);
  // A pointer and a length: the web build's library has no span of two
  // iterators.
  return {days.data() + (begin - days.begin()), static_cast<std::size_t>(end - begin)};
}

}  // namespace kalvenor
