#include "holidays/business_days.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <utility>

#include "calendar/date.h"
#include "calendar/floor_div.h"
#include "holidays/holidays.h"

namespace kalvenor {
namespace {

constexpr std::size_t kDataDays = kHolidayDataThrough - kHolidayDataFrom + 1;
// A running count of the data's days fits the table's 16 bits.
static_assert(kDataDays <= 0xFFFF);

bool Listed(const std::vector<SerialDay>& sorted, SerialDay day) {
  return std::binary_search(sorted.begin(), sorted.end(), day);
}

void SortUnique(std::vector<SerialDay>& days) {
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
}

// 400 Gregorian years: a whole number of weeks, so their weekdays repeat.
constexpr SerialDay kCycleDays = 146097;
constexpr std::int16_t kCycleYears = 400;
static_assert(kCycleDays % 7 == 0);

// Whole cycles before the day's own, counted from the year 1: moved back
// by them a day keeps its month, day and weekday, in the years 1..400.
SerialDay CyclesBefore(SerialDay day) { return FloorDiv(day - 1, kCycleDays); }

// The closing's two runs of days in a year: January 1..3, and December's
// last days.
struct DayRange {
  SerialDay first;
  SerialDay last;
};
std::array<DayRange, 2> YearEndRanges(std::int16_t year, YearEnd yearEnd) {
  const SerialDay newYear = SerialOf({year, 1, 1});
  const std::int16_t from = yearEnd == YearEnd::FromDecember29 ? 29 : 31;
  return {{{newYear, newYear + 2}, {SerialOf({year, 12, from}), SerialOf({year, 12, 31})}}};
}

bool InYearEnd(YearEnd yearEnd, SerialDay day) {
  if (yearEnd == YearEnd::None) return false;
  const SerialDay inCycle = day - CyclesBefore(day) * kCycleDays;
  const auto ranges = YearEndRanges(DateOf(inCycle).year, yearEnd);
  return std::any_of(ranges.begin(), ranges.end(), [inCycle](const DayRange& range) {
    return inCycle >= range.first && inCycle <= range.last;
  });
}

}  // namespace

BusinessCalendar::BusinessCalendar(BusinessRules rules) : rules_(std::move(rules)) {
  SortUnique(rules_.closed);
  SortUnique(rules_.open);
  for (int weekday = 1; weekday < 7; ++weekday) {
    weekPrefix_[weekday] = weekPrefix_[weekday - 1] + ((rules_.rest_weekdays >> weekday & 1) == 0);
  }
  perWeek_ = weekPrefix_[6] + ((rules_.rest_weekdays & 1) == 0);
  yearEndPrefix_.assign(kCycleYears + 1, 0);
  if (rules_.year_end != YearEnd::None) {
    for (std::int16_t year = 1; year <= kCycleYears; ++year) {
      yearEndPrefix_[year] = yearEndPrefix_[year - 1] + YearEndInYear(year, kLastSerialDay);
    }
  }
  CountListedOutsideData();
  CountDataDays();
}

void BusinessCalendar::CountListedOutsideData() {
  std::merge(rules_.closed.begin(), rules_.closed.end(), rules_.open.begin(), rules_.open.end(),
             std::back_inserter(outsideDays_));
  std::erase_if(outsideDays_, [](SerialDay day) { return HolidaysKnown(day); });
  SortUnique(outsideDays_);
  std::int32_t correction = 0;
  for (const SerialDay day : outsideDays_) {
    const auto rules = static_cast<std::int32_t>(RulesThrough(day) - RulesThrough(day - 1));
    correction += std::int32_t{Decide(day)} - rules;
    outsideRunning_.push_back(correction);
  }
}

void BusinessCalendar::CountDataDays() {
  beforeData_ = RulesThrough(kHolidayDataFrom - 1) + ListedThrough(kHolidayDataFrom - 1);
  auto anyInData = [](const std::vector<SerialDay>& days) {
    return std::any_of(days.begin(), days.end(), [](SerialDay day) { return HolidaysKnown(day); });
  };
  if (anyInData(rules_.closed) || anyInData(rules_.open)) {
    inData_ = std::make_shared<const std::vector<std::uint16_t>>(RunningCounts());
    return;
  }
  // Calendars that differ only outside the data share the counts, worked
  // out once per process: a run of the program, or of a test, may make many.
  static std::mutex mutex;
  static std::map<std::tuple<std::uint8_t, bool, YearEnd>,
                  std::shared_ptr<const std::vector<std::uint16_t>>>
      shared;
  const std::lock_guard lock(mutex);
  auto& counts = shared[{rules_.rest_weekdays, rules_.national_holidays, rules_.year_end}];
  if (!counts) counts = std::make_shared<const std::vector<std::uint16_t>>(RunningCounts());
  inData_ = counts;
}

std::vector<std::uint16_t> BusinessCalendar::RunningCounts() const {
  // Only holidays, year-end and listed days can be other than their
  // weekday makes them: what each changes, then one pass of running sums.
  std::vector<std::int8_t> change(kDataDays, 0);
  auto mark = [this, &change](SerialDay day) {
    if (!HolidaysKnown(day)) return;
    change[day - kHolidayDataFrom] = static_cast<std::int8_t>(Decide(day) - !RestWeekday(day));
  };
  for (const SerialDay day : rules_.closed) mark(day);
  for (const SerialDay day : rules_.open) mark(day);
  if (rules_.national_holidays) {
    for (const SerialDay day : HolidaysBetween(kHolidayDataFrom, kHolidayDataThrough)) mark(day);
  }
  if (rules_.year_end != YearEnd::None) {
    for (std::int16_t year = kFirstHolidayDataDay.year; year <= kLastHolidayDataDay.year; ++year) {
      for (const DayRange range : YearEndRanges(year, rules_.year_end)) {
        for (SerialDay day = range.first; day <= range.last; ++day) mark(day);
      }
    }
  }
  std::vector<std::uint16_t> counts(kDataDays);
  std::uint16_t running = 0;
  int weekday = WeekdayOfSerial(kHolidayDataFrom);
  for (std::size_t i = 0; i < kDataDays; ++i) {
    running += static_cast<std::uint16_t>(((rules_.rest_weekdays >> weekday & 1) ^ 1) + change[i]);
    counts[i] = running;
    weekday = (weekday + 1) % 7;
  }
  return counts;
}

bool BusinessCalendar::Decide(SerialDay day) const {
  if (Listed(rules_.open, day)) return true;
  if (Listed(rules_.closed, day)) return false;
  if (RestWeekday(day) || InYearEnd(rules_.year_end, day)) return false;
  if (!rules_.national_holidays) return true;
  const auto holiday = HolidayOn(day);
  return !holiday || holiday->empty();  // unknown days are refused before they are asked
}

bool BusinessCalendar::IsBusinessDay(SerialDay day) const {
  RequireData(day, day);
  return Decide(day);
}

bool BusinessCalendar::RestWeekday(SerialDay day) const {
  return (rules_.rest_weekdays >> WeekdayOfSerial(day) & 1) != 0;
}

std::int64_t BusinessCalendar::WeekdaysThrough(SerialDay day) const {
  const SerialDay weeks = FloorDiv(day, 7);
  return std::int64_t{weeks} * perWeek_ + weekPrefix_[day - 7 * weeks];
}

std::int32_t BusinessCalendar::YearEndInYear(std::int16_t year, SerialDay day) const {
  std::int32_t count = 0;
  for (const DayRange range : YearEndRanges(year, rules_.year_end)) {
    for (SerialDay closed = range.first; closed <= std::min(range.last, day); ++closed) {
      count += !RestWeekday(closed);
    }
  }
  return count;
}

std::int64_t BusinessCalendar::YearEndThrough(SerialDay day) const {
  if (rules_.year_end == YearEnd::None) return 0;
  // The same day of the first cycle (years 1..400) has the same weekday.
  const SerialDay cycles = CyclesBefore(day);
  const DateParts date = DateOf(day - cycles * kCycleDays);
  return std::int64_t{cycles} * yearEndPrefix_[kCycleYears] + yearEndPrefix_[date.year - 1] +
         YearEndInYear(date.year, SerialOf(date));
}

std::int64_t BusinessCalendar::RulesThrough(SerialDay day) const {
  return WeekdaysThrough(day) - YearEndThrough(day);
}

std::int64_t BusinessCalendar::ListedThrough(SerialDay day) const {
  const auto after = std::upper_bound(outsideDays_.begin(), outsideDays_.end(), day);
  return after == outsideDays_.begin() ? 0 : outsideRunning_[after - outsideDays_.begin() - 1];
}

std::int64_t BusinessCalendar::Through(SerialDay day) const {
  if (HolidaysKnown(day)) return beforeData_ + (*inData_)[day - kHolidayDataFrom];
  // Outside the data the weekday and year-end rules and the listed days
  // alone decide, counted on from the data's nearer end.
  const SerialDay edge = day < kHolidayDataFrom ? kHolidayDataFrom - 1 : kHolidayDataThrough;
  const std::int64_t throughEdge =
      beforeData_ + (day < kHolidayDataFrom ? 0 : std::int64_t{inData_->back()});
  return throughEdge + RulesThrough(day) - RulesThrough(edge) + ListedThrough(day) -
         ListedThrough(edge);
}

void BusinessCalendar::RequireData(SerialDay first, SerialDay last) const {
  if (rules_.national_holidays && first <= last &&
      (!HolidaysKnown(first) || !HolidaysKnown(last))) {
    throw HolidaysUnknownError();
  }
}

std::int32_t BusinessCalendar::Count(SerialDay from, SerialDay to) const {
  if (to >= from) {
    RequireData(from + 1, to);
    return static_cast<std::int32_t>(Through(to) - Through(from));
  }
  RequireData(to, from - 1);
  return static_cast<std::int32_t>(Through(to - 1) - Through(from - 1));
}

DaysOff BusinessCalendar::LeftOut(SerialDay from, SerialDay to) const {
  const SerialDay first = to >= from ? from + 1 : to;
  const SerialDay last = to >= from ? to : from - 1;
  DaysOff off;
  if (first > last) return off;
  RequireData(first, last);
  const auto counted = static_cast<std::int32_t>(Through(last) - Through(first - 1));
  const auto openFrom = std::lower_bound(rules_.open.begin(), rules_.open.end(), first);
  const auto openTo = std::upper_bound(openFrom, rules_.open.end(), last);
  const auto openRestDays =
      std::count_if(openFrom, openTo, [this](SerialDay day) { return RestWeekday(day); });
  const auto weekdays = WeekdaysThrough(last) - WeekdaysThrough(first - 1);
  off.rest_weekdays = static_cast<std::int32_t>(last - first + 1 - weekdays - openRestDays);
  if (rules_.national_holidays) {
    for (const SerialDay day : HolidaysBetween(first, last)) {
      off.holidays += !RestWeekday(day) && !Decide(day);
    }
  }
  off.closed = last - first + 1 - counted - off.rest_weekdays - off.holidays;
  return off;
}

std::optional<SerialDay> BusinessCalendar::After(SerialDay from, std::int32_t count) const {
  if (count == 0) return from;
  // The first day whose running count reaches the target is a business day,
  // the count-th one stepped onto in the direction of travel.
  const std::int64_t target = count > 0 ? Through(from) + count : Through(from - 1) + count + 1;
  if (Through(0) >= target || Through(kLastSerialDay) < target) return std::nullopt;
  SerialDay low = 1;
  SerialDay high = kLastSerialDay;
  while (low < high) {
    const SerialDay middle = low + (high - low) / 2;
    if (Through(middle) >= target) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  if (count > 0) {
    RequireData(from + 1, low);
  } else {
    RequireData(low, from - 1);
  }
  return low;
}

}  // namespace kalvenor
