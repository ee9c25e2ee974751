// Business days: the days that are not a rest weekday, not a national
// holiday, not in the year-end closing and not a closed day, and every
// open day. Counting them between
// any two days, and stepping over a number of them, takes the same few
// steps however far apart the days are: both read a running count of
// business days (a prefix sum), worked out once per calendar.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "calendar/gregorian.h"

namespace kalvenor {

// The year-end closing as Japanese offices keep it: every year's last days
// through January 3, whatever their weekday. The government closes from
// December 29, banks from December 31.
enum class YearEnd : std::uint8_t { None, FromDecember29, FromDecember31 };

struct BusinessRules {
  std::uint8_t rest_weekdays = 0b100'0001;  // bit w: weekday w (0 Sunday) is a rest day
  bool national_holidays = true;
  std::vector<SerialDay> closed;  // off although they would be business days
  std::vector<SerialDay> open;    // business days whatever else says; wins over closed
  YearEnd year_end = YearEnd::None;
};

// The days a count stepped over without counting them, each under the
// first reason that applies: a rest weekday, a national holiday, then a
// closed day (listed or in the year-end closing).
struct DaysOff {
  std::int32_t rest_weekdays = 0;
  std::int32_t holidays = 0;
  std::int32_t closed = 0;
  friend bool operator==(const DaysOff&, const DaysOff&) = default;
};

// A calculation with national holidays that needs a day outside
// kHolidayDataFrom..kHolidayDataThrough (holidays.h).
class HolidaysUnknownError : public std::out_of_range {
 public:
  HolidaysUnknownError() : std::out_of_range("no national holiday data for the day") {}
};

class BusinessCalendar {
 public:
  explicit BusinessCalendar(BusinessRules rules);

  bool IsBusinessDay(SerialDay day) const;

  // The business days stepped onto going from `from` to `to` one day at a
  // time: `from` is not counted, `to` is. Going back the count is negative
  // and covers `to` up to the day before `from`.
  std::int32_t Count(SerialDay from, SerialDay to) const;

  // The day `count` business days after `from` (before it when negative;
  // `from` itself for 0): Count(from, result) == count for every count but 0.
  // std::nullopt when there is none from day 1 to kLastSerialDay.
  std::optional<SerialDay> After(SerialDay from, std::int32_t count) const;

  // The days that Count(from, to) covers and does not count, by reason; it
  // takes a step per national holiday in the range.
  DaysOff LeftOut(SerialDay from, SerialDay to) const;

  // All four raise HolidaysUnknownError when national holidays count and
  // a day they look at has no holiday data.

 private:
  // Business days from day 1 through `day` (minus those from `day` + 1
  // through day 0 for days before 1), so that a count is a difference.
  std::int64_t Through(SerialDay day) const;
  // Business days of the weekday rule alone, counted as Through() is.
  std::int64_t WeekdaysThrough(SerialDay day) const;
  // Days of the year-end closing that the weekday rule would count,
  // counted as Through() is, and those of one year through `day`.
  std::int64_t YearEndThrough(SerialDay day) const;
  std::int32_t YearEndInYear(std::int16_t year, SerialDay day) const;
  // The weekday and year-end rules together, counted as Through() is.
  std::int64_t RulesThrough(SerialDay day) const;
  bool RestWeekday(SerialDay day) const;
  // What the listed days outside the holiday data change, up to `day`.
  std::int64_t ListedThrough(SerialDay day) const;
  // The two halves of the constructor: the listed days outside the holiday
  // data, then the running count over the data (RunningCounts, or shared).
  void CountListedOutsideData();
  void CountDataDays();
  std::vector<std::uint16_t> RunningCounts() const;
  // Raises HolidaysUnknownError if national holidays count and a day of
  // first..last has no holiday data.
  void RequireData(SerialDay first, SerialDay last) const;
  // Whether the day is a business day; a day without holiday data counts
  // as no holiday.
  bool Decide(SerialDay day) const;

  BusinessRules rules_;
  std::int32_t perWeek_ = 0;
  std::int32_t weekPrefix_[7] = {};  // business weekdays among 1..r
  // Gregorian weekdays repeat every 400 years: YearEndThrough() of the
  // years 1..y of the first cycle, for y in 0..400.
  std::vector<std::int32_t> yearEndPrefix_;
  // The days of the holiday data read their running count from a table
  // (at most 55,599 days, so 16 bits hold it and the table stays in cache):
  // Through() is beforeData_ plus the entry.
  std::int64_t beforeData_ = 0;
  std::shared_ptr<const std::vector<std::uint16_t>> inData_;
  // Listed days outside the holiday data, sorted, and the running sum of
  // what each changes against the weekday rule.
  std::vector<SerialDay> outsideDays_;
  std::vector<std::int32_t> outsideRunning_;
};

}  // namespace kalvenor
