#include "calendar/calendar_span.h"

#include <algorithm>
#include <utility>

#include "calendar/floor_div.h"

namespace kalvenor {
namespace {

std::int32_t MonthIndex(const DateParts& date) {
  return std::int32_t{date.year} * 12 + date.month - 1;
}

// The day number `months` calendar months after the date, the day clamped.
std::int32_t SerialAfterMonths(const DateParts& date, std::int32_t months) {
  const std::int32_t index = MonthIndex(date) + months;
  const auto year = static_cast<std::int16_t>(FloorDiv(index, 12));
  const auto month = static_cast<std::int16_t>(FloorMod(index, 12) + 1);
  const auto day = std::min(date.day, DaysInMonth(year, month));
  return SerialOf({year, month, day});
}

}  // namespace

CalendarSpan SpanBetween(const DateParts& from, const DateParts& to) {
  CalendarSpan span;
  DateParts first = from;
  DateParts last = to;
  if (SerialOf(last) < SerialOf(first)) {
    std::swap(first, last);
    span.backwards = true;
  }
  // The month count of the fields, or one less when the day of the month
  // has not come round yet.
  std::int32_t months = MonthIndex(last) - MonthIndex(first);
  if (SerialAfterMonths(first, months) > SerialOf(last)) --months;
  span.years = months / 12;
  span.months = months % 12;
  span.days = SerialOf(last) - SerialAfterMonths(first, months);
  return span;
}

}  // namespace kalvenor
