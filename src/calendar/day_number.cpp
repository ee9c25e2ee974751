#include "calendar/date.h"
#include "numeric/checked.h"

namespace kalvenor {

DateParts DateOf(SerialDay serial) {
  // The only range check for results: day 0 would also turn
  // SerialDateConvert round.
  if (serial < 1 || serial > kLastSerialDay) throw OutsideCalendarError(serial < 1);
  return day_number::DateFromSerial(serial);
}

std::int32_t DaysBetween(const DateParts& from, const DateParts& to) {
  return checked::Int32(std::int64_t{SerialOf(to)} - SerialOf(from));
}

DateParts DateAfter(const DateParts& date, double days) {
  return DateOf(checked::RoundToInt32(SerialOf(date) + days));
}

}  // namespace kalvenor
