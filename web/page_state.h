// What the page asks about: its inputs as the address's query holds them
// (d1, d2, n, mode, style, biz, rest, incl, yearend), and what the page adds
// for each question: today, the user's closed and open days, and the
// calendar's first month and number of months.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/gregorian.h"
#include "commands/date_output.h"
#include "holidays/business_days.h"

namespace kalvenor::web {

enum class Mode {
  Difference,  // mode=diff: DATE2 - DATE1
  Addition,    // mode=add: DATE1 + DAYS
  Span,        // mode=span: years, months and days from DATE1 to DATE2
  Holidays,    // mode=holidays: the national holidays of a year or a range
};

// The rest days of business-day counts: rest=sat-sun-hol (the default),
// sun-hol, sat-sun, sun.
enum class RestDays { SatSunHolidays, SunHolidays, SatSun, Sunday };

struct PageState {
  std::string date1;  // d1
  std::string date2;  // d2
  std::string days;   // n
  Mode mode = Mode::Difference;
  commands::OutputStyle style = commands::OutputStyle::Kanji;  // style=wareki
  bool business = false;                                       // biz=1
  bool inclusive = false;                                      // incl=1
  RestDays rest = RestDays::SatSunHolidays;
  YearEnd year_end = YearEnd::None;  // yearend=12/29 or 12/31

  DateParts today;                          // today=YYYY-MM-DD
  std::string closed;                       // closed: the user's closed days, one a line
  std::string open;                         // open: the user's open days
  std::optional<DateParts> calendar_month;  // cal=YYYY-MM; else DATE1's month or today's
  int calendar_months = 1;                  // months=1..12
};

// The state of an application/x-www-form-urlencoded query; unknown keys
// and values are passed over, leaving the defaults.
PageState ReadPageState(std::string_view query);

}  // namespace kalvenor::web
