#include "cli/result_text.h"

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

// "P1Y2M3D" in ISO 8601, every field written; else "1年2か月3日".
void AppendSpan(const CalendarSpan& span, bool iso, std::string& out) {
  if (span.backwards) out += '-';
  if (iso) out += 'P';
  AppendNumber(span.years, out);
  out += iso ? "Y" : "年";
  AppendNumber(span.months, out);
  out += iso ? "M" : "か月";
  AppendNumber(span.days, out);
  out += iso ? "D" : "日";
}

bool AppendHolidays(const commands::HolidayListResult& list, const ResultFormat& format,
                    std::string& out) {
  for (const SerialDay day : list.days) {
    if (day != list.days.front()) out += format.one_line ? '\t' : '\n';
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
  } else {
    return AppendHolidays(std::get<commands::HolidayListResult>(result), format, out);
  }
  return true;
}

}  // namespace kalvenor::cli
