// 祝日: the national holidays of a year, or of the days from DATE1 to
// DATE2, from the command layer's holiday list, and the business days of
// each month (稼働日数) under the chosen rest days.

#include "calendar/date.h"
#include "calendar/weekday_chars.h"
#include "commands/month_view.h"
#include "holidays/holidays.h"
#include "inputs.h"
#include "page_texts.h"
#include "reader/operand_text.h"
#include "text/utf8.h"
#include "view_text.h"

namespace kalvenor::web {
namespace {

// A row of the table: the date without its weekday, which has a column
// of its own, and the holiday's name.
HolidayRow RowOf(SerialDay day, commands::OutputStyle style) {
  const DateParts date = DateOf(day);
  std::string shown = DateText(date, style);
  if (shown.ends_with(')')) shown.resize(shown.rfind('('));
  const std::u16string weekday(1, kWeekdayChars[WeekdayOf(date)]);
  return {shown, text::ToUtf8(weekday), text::ToUtf8(*HolidayOn(day))};
}

std::vector<MonthRow> MonthsOf(const DateParts& first, const DateParts& last,
                               commands::BusinessDays& business) {
  std::vector<MonthRow> rows;
  try {
    for (const auto& month : commands::BusinessDaysByMonth(first, last, business)) {
      rows.push_back({month.year, month.month, month.business_days});
    }
  } catch (const HolidaysUnknownError&) {
    rows.clear();  // the year the holiday law began: its first months are unknown
  }
  return rows;
}

std::string Summary(const HolidayTable& table, std::string& note) {
  std::int32_t total = 0;
  for (const MonthRow& row : table.months) total += row.business_days;
  if (!table.months.empty()) {
    note = std::string(texts::kWorkdays) + std::string(texts::kSpace) + std::to_string(total) +
           std::string(texts::kDayUnit) + table.workdays_caption;
  }
  return table.caption + std::string(texts::kSpace) + std::to_string(table.holidays.size()) +
         std::string(texts::kDayUnit);
}

// The holidays' operands: both dates for a range; else one year, DATE1's
// year when it is a date, DATE1 as written (2026, R8), or this year. A
// year is no date, so DATE1's failure waits for the list to say it.
std::optional<Inputs> ListInputs(const PageState& state, const commands::Settings& settings,
                                 View& view, std::string& year) {
  Inputs dates("d1", state.date1, "d2", state.date2);
  const auto firstFailure = ShowDate(dates, 0, settings, state.style, view.date1, view.first);
  if (auto failure = ShowDate(dates, 1, settings, state.style, view.date2, view.second)) {
    Fail(*failure, dates, "d2", view);
    return std::nullopt;
  }
  if (view.second && firstFailure) {
    Fail(*firstFailure, dates, "d1", view);
    return std::nullopt;
  }
  if (view.second) return dates;
  const bool typed = !reader::Trimmed(dates.operands[0].text).empty();
  year = view.first ? std::to_string(view.first->year)
         : typed    ? state.date1
                    : std::to_string(state.today.year);
  return Inputs("d1", year);
}

HolidayTable TableOf(const commands::HolidayListResult& list, const PageState& state,
                     commands::BusinessDays& business) {
  HolidayTable table;
  for (const SerialDay day : list.days) table.holidays.push_back(RowOf(day, state.style));
  const DateParts first = DateOf(list.first);
  const DateParts last = DateOf(list.last);
  table.caption = list.whole_years ? std::to_string(last.year) + std::string(texts::kYear)
                                   : DateText(first, state.style) + std::string(texts::kRangeTo) +
                                         DateText(last, state.style);
  table.caption += texts::kHolidaysOf;
  table.workdays_caption = RestCaption(state);
  table.months = MonthsOf(list.whole_years ? DateParts{last.year, 1, 1} : first, last, business);
  return table;
}

}  // namespace

void ListHolidays(const PageState& state, const commands::Settings& settings, View& view) {
  std::string year;  // the text of the year asked for, which the inputs view
  auto inputs = ListInputs(state, settings, view, year);
  if (!inputs) return;
  commands::Result list;
  if (auto failure = commands::Run(commands::Holidays, inputs->All(), settings, list)) {
    Fail(*failure, *inputs, "d1", view);
    return;
  }
  HolidayTable table =
      TableOf(std::get<commands::HolidayListResult>(list), state, *settings.business);
  ResultView result;
  result.text = Summary(table, result.note);
  for (const HolidayRow& row : table.holidays) {
    result.copy += row.date + '\t' + row.weekday + '\t' + row.name + '\n';
  }
  view.announce = result.text + std::string(texts::kSentenceEnd) + result.note;
  view.result = std::move(result);
  view.holidays = std::move(table);
}

}  // namespace kalvenor::web
