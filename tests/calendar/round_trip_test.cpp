// Day numbers against a calendar that only knows how to step to the next
// day: every day from 0001-01-01 to the last whose year fits 16 bits, and
// 400-year stretches before day 1.
#include <gtest/gtest.h>

#include <string>

#include "calendar/gregorian.h"
#include "date_parts_output.h"

namespace ymd {
namespace {

// A deliberately naive calendar, independent of the one under test.
struct SteppingDate {
  int year, month, day;

  int MonthLength() const {
    if (month == 2) {
      const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
      return leap ? 29 : 28;
    }
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
  }
  void StepForward() {
    if (++day <= MonthLength()) return;
    day = 1;
    if (++month <= 12) return;
    month = 1;
    ++year;
  }
  DateParts Parts() const {
    return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
            static_cast<std::int16_t>(day)};
  }
};

int FloorMod7(int value) { return ((value % 7) + 7) % 7; }

// Before day 1 the truncated remainder may be negative, but it is still the
// right weekday modulo 7.
bool WeekdayMatches(std::int16_t weekday, SerialDay serial) {
  if (serial >= 1) return weekday == serial % 7;
  return weekday >= -6 && weekday <= 6 &&
         FloorMod7(weekday) == FloorMod7(serial);
}

// Steps the oracle from `first` (day number `serial`) to day number `last`,
// checking both directions and the weekday; reports the first few
// mismatches only. Returns the oracle's date after `last`.
SteppingDate CheckDays(SteppingDate oracle, SerialDay serial, SerialDay last) {
  int mismatches = 0;
  auto fail = [&](const char* what, const DateParts& date) {
    ADD_FAILURE() << what << " at day number " << serial << " (" << date << ")";
    return ++mismatches == 10;
  };
  for (;; ++serial, oracle.StepForward()) {
    const DateParts want = oracle.Parts();
    if (SerialOf(want) != serial && fail("date to number", want)) break;
    DateParts got = want;
    SerialDay in = serial;
    if (serial != 0) SerialDateConvert(in, got);  // 0 asks the other way
    if (got != want && fail("number to date", want)) break;
    if (!WeekdayMatches(WeekdayOf(want), serial) && fail("weekday", want))
      break;
    if (serial == last) break;
  }
  oracle.StepForward();
  return oracle;
}

TEST(RoundTrip, EveryDayFromDayOneToTheLastSixteenBitYear) {
  const SteppingDate after = CheckDays({1, 1, 1}, 1, kLastSerialDay);
  // The range ends exactly where the year field does.
  EXPECT_EQ(32768, after.year);
  EXPECT_EQ(1, after.month);
  EXPECT_EQ(1, after.day);
}

TEST(RoundTrip, FourHundredYearCyclesBeforeDayOne) {
  constexpr SerialDay kDaysPer400Years = 146097;
  // -400-01-01 to 0000-12-31, across day number 0.
  CheckDays({-400, 1, 1}, -kDaysPer400Years - 365, 0);
  // The first cycle of the 16-bit years, from -32768-01-01.
  CheckDays({-32768, 1, 1}, -11968631, -11968631 + kDaysPer400Years - 1);
}

}  // namespace
}  // namespace ymd
