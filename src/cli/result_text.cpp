#include "cli/result_text.h"

#include <cstdint>
#include <variant>

#include "calendar/date.h"
#include "commands/span_text.h"
#include "holidays/holidays.h"
#include "text/utf8.h"

namespace kalvenor::cli {
namespace {

using commands::AppendAge;
using commands::AppendDate;
using commands::AppendNumber;
using commands::AppendSpan;
using commands::OutputStyle;

void AppendName(std::u16string_view name, std::string& out) {
  if (name.empty()) return;
  out += '\t';
  out += text::ToUtf8(name);
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
