// kalvenor-cli's business days and national holidays: the calendar the
// options describe, add's business-day steps, and a holiday's name.
// workdays itself is declared with the other calculations.
#pragma once

#include <optional>
#include <string_view>
#include <utility>

#include "calendar/gregorian.h"
#include "holidays/business_days.h"

namespace kalvenor::commands {

// The calendar of the rules, worked out when first asked for: add needs it
// only for a count of business days.
class BusinessDays {
 public:
  explicit BusinessDays(BusinessRules rules) : rules_(std::move(rules)) {}
  const BusinessCalendar& Calendar();

 private:
  BusinessRules rules_;
  std::optional<BusinessCalendar> calendar_;
};

// The date count business days after date (before it when negative; date
// itself for 0); nothing when there is none in 0001-01-01..32767-12-31.
// With inclusive, date is the first of them when it is a business day: the
// count-th business day counting date (初日算入). count is whole
// (reader/day_count.h). Raises HolidaysUnknownError when a day stepped onto
// needs holiday data that is not there.
std::optional<DateParts> BusinessDaysAfter(const DateParts& date, double count, bool inclusive,
                                           BusinessDays& business);

// The days BusinessDaysAfter(date, count, inclusive) passed over on its way
// to `reached` without counting them; none for a count of 0.
DaysOff BusinessDaysLeftOut(const DateParts& date, const DateParts& reached, double count,
                            bool inclusive, BusinessDays& business);

// The name of the national holiday on the date, empty if it is none.
// Raises HolidaysUnknownError outside the holiday data.
std::u16string_view HolidayNameOn(const DateParts& date);

}  // namespace kalvenor::commands
