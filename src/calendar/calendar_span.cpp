#include "calendar/calendar_span.h"

#include <algorithm>
#include <utility>

#include "calendar/floor_div.h"
#include "numeric/checked.h"

namespace kalvenor {
namespace {

// Months counted from January of the year 0.
std::int64_t MonthIndex(const DateParts& date) {
  return std::int64_t{date.year} * 12 + date.month - 1;
}

std::int32_t SerialAfterMonths(const DateParts& date, std::int32_t months) {
  return SerialOf(MonthsAfter(date, months));
}

}  // namespace

DateParts MonthsAfter(const DateParts& date, std::int32_t months) {
  const std::int32_t index = checked::Int32(MonthIndex(date) + months);
  const std::int16_t year = checked::Int16(FloorDiv(index, 12));
  const auto month = static_cast<std::int16_t>(FloorMod(index, 12) + 1);  // [1, 12]
  return {year, month, std::min(date.day, DaysInMonth(year, month))};
}

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
  auto months = static_cast<std::int32_t>(MonthIndex(last) - MonthIndex(first));
  const SerialDay end = SerialOf(last);
  SerialDay reached = SerialAfterMonths(first, months);
  if (reached > end) reached = SerialAfterMonths(first, --months);
  span.years = months / 12;
  span.months = months % 12;
  span.days = end - reached;
  return span;
}

}  // namespace kalvenor
