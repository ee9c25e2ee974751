#include "cli/result_text.h"

#include <cstdint>
#include <variant>

#include "calendar/date.h"
#include "holidays/holidays.h"
#include "text/utf8.h"

namespace kalvenor::cli {
namespace {

using commands::AppendDate;
using commands::AppendNumber;
using commands::OutputStyle;

void AppendName(std::u16string_view name, std::string& out) {
  if (name.empty()) return;
  out += '\t';
  out += text::ToUtf8(name);
}

// "2M3D" in ISO 8601, else "2か月3日".
void AppendMonthsAndDays(std::int32_t months, std::int32_t days, bool iso, std::string& out) {
  AppendNumber(months, out);
  out += iso ? "M" : "か月";
  AppendNumber(days, out);
  out += iso ? "D" : "日";
}

// "P1Y2M3D" in ISO 8601, every field written; else "1年2か月3日".
void AppendSpan(const CalendarSpan& span, bool iso, std::string& out) {
  if (span.backwards) out += '-';
  if (iso) out += 'P';
  AppendNumber(span.years, out);
  out += iso ? "Y" : "年";
  AppendMonthsAndDays(span.months, span.days, iso, out);
}

// "満36歳2か月3日" or, in ISO 8601 as span writes it, "P36Y2M3D"; the
// months and days only with --long.
void AppendAge(const commands::AgeResult& age, bool iso, bool longAge, std::string& out) {
  out += iso ? "P" : "満";
  AppendNumber(age.years, out);
  out += iso ? "Y" : "歳";
  if (longAge) AppendMonthsAndDays(age.months, age.days, iso, out);
}

bool AppendHolidays(const commands::HolidayListResult& list, const ResultFormat& format,
                    std::string& out) {
  for (const SerialDay& day : list.days) {
    if (&day != list.days.data()) out += format.one_line ? '\t' : '\n';
    AppendDate(DateOf(day), format.style, out);
    AppendName(*HolidayOn(day), out);
  }
  return format.one_line || !list.days.empty();
}

}  // namespace

bool AppendResult(const commands::Result& result, const ResultFormat& format, std::string& out) {
  const bool iso = format.style == OutputStyle::Iso;
  if (const auto* date = std::get_if<commands::DateResult>(&result)) {
    AppendDate(date->date, format.style, out);
    if (date->holiday) AppendName(*date->holiday, out);
  } else if (const auto* count = std::get_if<commands::CountResult>(&result)) {
    AppendNumber(count->days, out);
  } else if (const auto* span = std::get_if<CalendarSpan>(&result)) {
    AppendSpan(*span, iso, out);
  } else if (const auto* age = std::get_if<commands::AgeResult>(&result)) {
    AppendAge(*age, iso, format.long_age, out);
  } else {
    return AppendHolidays(std::get<commands::HolidayListResult>(result), format, out);
  }
  return true;
}

}  // namespace kalvenor::cli
