// The view the page shows for one state, before it is written as JSON:
// each box, the result or the error naming its box, the holiday table and
// the dates the calendar marks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/gregorian.h"
#include "commands/business_days.h"
#include "commands/commands.h"
#include "page_state.h"

namespace kalvenor::web {

struct BoxView {
  std::string value;    // for a box the mode fills in: its value
  bool filled = false;  // the mode fills the box in (DAYS of a difference, DATE2 of a sum)
  std::string text;     // a date box's date in the style
  std::string holiday;  // the national holiday on that date
};

struct ErrorView {
  std::string_view box;  // d1, d2, n, closed or open
  std::string message;
};

struct ResultView {
  std::string text;  // 365日, 令和8年12月17日(木), 1年2か月3日
  std::string note;  // what was counted: 10営業日後, 暦日で数えました（初日を含めない）
  std::string detail;  // the age beside a span; the days a business-day count left out
  std::string copy;    // what コピー copies
};

struct HolidayRow {
  std::string date;
  std::string weekday;
  std::string name;
};

struct MonthRow {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int32_t business_days = 0;
};

struct HolidayTable {
  std::string caption;  // 2026年の祝日
  std::vector<HolidayRow> holidays;
  std::string workdays_caption;  // 稼働日数 (土日祝休み)
  std::vector<MonthRow> months;  // empty where the holiday data do not reach
};

struct View {
  BoxView date1;
  BoxView date2;
  BoxView days;
  std::optional<ErrorView> error;
  std::optional<ResultView> result;
  std::string hint;  // what to fill in, while the mode's inputs are empty
  std::string announce;
  std::optional<HolidayTable> holidays;
  // The dates the calendar marks as DATE1 and DATE2, the days between them too.
  std::optional<DateParts> first;
  std::optional<DateParts> second;
};

// The business days under the state's rest days and the user's lists; an
// error names the list with the first line that is no date.
commands::BusinessDays& BusinessDaysOf(const PageState& state, std::optional<ErrorView>& error);

// The rest days and the year-end closing as a note says them: （土日祝休み）.
std::string RestCaption(const PageState& state);

// The view of the state, the calendar aside, with business days counted
// by business; listError, the user's lists' error, stops the calculation.
View ViewOf(const PageState& state, commands::BusinessDays& business,
            const std::optional<ErrorView>& listError);

// The holiday table of DATE1's year, or from DATE1 to DATE2.
void ListHolidays(const PageState& state, const commands::Settings& settings, View& view);

// The whole view as JSON, with the calendar's months.
std::string ViewJson(const PageState& state);

}  // namespace kalvenor::web
