// kalvenor-cli's business days and national holidays: the calendar the
// options describe, add's business-day unit, and a holiday's name after a
// date. workdays itself is declared with the other calculations.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/gregorian.h"
#include "cli/business_options.h"
#include "holidays/business_days.h"

namespace kalvenor::cli {

// The rules of the options, with the dates of the --closed and --open
// files (read against today); std::nullopt when a file cannot be read or holds a line that is
// not a date, each such problem added to errors as a message.
std::optional<BusinessRules> LoadBusinessRules(const BusinessOptions& options,
                                               const DateParts& today,
                                               std::vector<std::string>& errors);

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

// A count of add's DAYS in business days, "3b", "-2 営業日": std::nullopt
// when days has no business-day unit; an empty count when it has one but
// no whole number before it.
std::optional<std::optional<std::int32_t>> BusinessDayCount(std::u16string_view days);

// A tab and the name of the national holiday on the date, if it is one.
// Raises HolidaysUnknownError outside the holiday data.
void AppendHolidayName(const DateParts& date, std::string& out);

}  // namespace kalvenor::cli
