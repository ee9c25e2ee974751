// The view as the JSON the page renders: every text it shows, each box's
// state, and the calendar's months with the marks of their days.
#include <algorithm>
#include <string>

#include "calendar/weekday_chars.h"
#include "commands/month_view.h"
#include "json_writer.h"
#include "page_texts.h"
#include "text/utf8.h"
#include "view.h"
#include "view_text.h"

namespace kalvenor::web {
namespace {

// "2026年12月", a month as its heading says it.
std::string MonthTitle(int year, int month) {
  return std::to_string(year) + std::string(texts::kYear) + std::to_string(month) +
         std::string(texts::kMonth);
}

// "2026-12": the month as the page's cal= writes it.
std::string MonthKey(int year, int month) {
  return std::to_string(year) + (month < 10 ? "-0" : "-") + std::to_string(month);
}

void WriteBox(JsonWriter& json, std::string_view key, const BoxView& box) {
  json.Key(key).BeginObject();
  if (box.filled) json.Field("value", box.value);
  json.Field("text", box.text).Field("holiday", box.holiday).EndObject();
}

void WriteHolidays(JsonWriter& json, const HolidayTable& table) {
  json.Key("holidays").BeginObject().Field("caption", table.caption).Key("rows").BeginArray();
  for (const HolidayRow& row : table.holidays) {
    json.BeginArray().String(row.date).String(row.weekday).String(row.name).EndArray();
  }
  json.EndArray()
      .Field("workdaysCaption", std::string(texts::kWorkdays) + table.workdays_caption)
      .Key("months")
      .BeginArray();
  for (const MonthRow& row : table.months) {
    json.BeginArray().String(MonthTitle(row.year, row.month)).Number(row.business_days).EndArray();
  }
  json.EndArray().EndObject();
}

// The day's classes for the style sheet and its name for a screen reader.
void WriteDay(JsonWriter& json, const commands::CalendarDay& day, const View& view,
              const PageState& state) {
  const SerialDay serial = SerialOf(day.date);
  std::string marks;
  std::string label = std::to_string(day.date.month) + std::string(texts::kMonth) +
                      std::to_string(day.date.day) + std::string(texts::kDayUnit) +
                      std::string(texts::kSpace) + std::string(texts::kWeekdayNames[day.weekday]);
  const auto mark = [&](bool on, std::string_view name, std::string_view said) {
    if (!on) return;
    marks += std::string(marks.empty() ? "" : " ") + std::string(name);
    if (!said.empty()) label += std::string(texts::kSpace) + std::string(said);
  };
  const bool weekend = day.weekday == 0 || day.weekday == 6;
  mark(day.weekday == 0, "sun", "");
  mark(day.weekday == 6, "sat", "");
  mark(!day.holiday.empty(), "holiday", day.holiday);
  mark(day.known && !day.business, "rest", texts::kRestDay);
  mark(day.known && day.business && (weekend || !day.holiday.empty()), "open", texts::kOpenDay);
  mark(view.first && serial == SerialOf(*view.first), "first", texts::kDate1);
  mark(view.second && serial == SerialOf(*view.second), "second", texts::kDate2);
  if (view.first && view.second) {
    const SerialDay a = SerialOf(*view.first);
    const SerialDay b = SerialOf(*view.second);
    mark(serial > std::min(a, b) && serial < std::max(a, b), "between", texts::kBetween);
  }
  mark(day.date == state.today, "today", texts::kToday);
  json.BeginObject()
      .Field("date", DateText(day.date, commands::OutputStyle::Iso))
      .Field("day", day.date.day)
      .Field("marks", marks)
      .Field("holiday", day.holiday)
      .Field("label", label)
      .EndObject();
}

void WriteCalendar(JsonWriter& json, const PageState& state, const View& view,
                   commands::BusinessDays& business) {
  const DateParts start = state.calendar_month.value_or(view.first.value_or(state.today));
  // Months counted from January of the year 0; the calendar's years are 1..32767.
  const int first =
      std::clamp(start.year * 12 + start.month - 1, 12, 32768 * 12 - state.calendar_months);
  json.Key("calendar").BeginObject();
  json.Field("prev", MonthKey((first - 1) / 12, (first - 1) % 12 + 1));
  json.Field("next", MonthKey((first + 1) / 12, (first + 1) % 12 + 1));
  json.Key("weekdays").BeginArray();
  for (const char16_t weekday : kWeekdayChars)
    json.String(text::ToUtf8(std::u16string(1, weekday)));
  json.EndArray().Key("months").BeginArray();
  for (int index = first; index < first + state.calendar_months; ++index) {
    const auto year = static_cast<std::int16_t>(index / 12);
    const auto month = static_cast<std::int16_t>(index % 12 + 1);
    const auto days = commands::MonthDays(year, month, business);
    json.BeginObject()
        .Field("title", MonthTitle(year, month))
        .Field("key", MonthKey(year, month))
        .Field("lead", days.front().weekday)
        .Key("days")
        .BeginArray();
    for (const auto& day : days) WriteDay(json, day, view, state);
    json.EndArray().EndObject();
  }
  json.EndArray().EndObject();
}

}  // namespace

std::string ViewJson(const PageState& state) {
  std::optional<ErrorView> listError;
  commands::BusinessDays& business = BusinessDaysOf(state, listError);
  const View view = ViewOf(state, business, listError);
  JsonWriter json;
  json.BeginObject().Field("today", DateText(state.today, commands::OutputStyle::Iso));
  json.Key("boxes").BeginObject();
  WriteBox(json, "d1", view.date1);
  WriteBox(json, "d2", view.date2);
  WriteBox(json, "n", view.days);
  json.EndObject();
  json.Key("error");
  if (view.error) {
    json.BeginObject()
        .Field("box", view.error->box)
        .Field("message", view.error->message)
        .EndObject();
  } else {
    json.Null();
  }
  json.Key("result");
  if (view.result) {
    json.BeginObject()
        .Field("text", view.result->text)
        .Field("note", view.result->note)
        .Field("detail", view.result->detail)
        .Field("copy", view.result->copy)
        .EndObject();
  } else {
    json.Null();
  }
  json.Field("hint", view.hint).Field("announce", view.announce);
  if (view.holidays) WriteHolidays(json, *view.holidays);
  WriteCalendar(json, state, view, business);
  return json.EndObject().Text();
}

}  // namespace kalvenor::web
