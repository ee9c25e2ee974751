#include "commands/span_text.h"

#include <cstdint>

#include "commands/date_output.h"

namespace kalvenor::commands {
namespace {

// "2M3D" in ISO 8601, else "2か月3日".
void AppendMonthsAndDays(std::int32_t months, std::int32_t days, bool iso, std::string& out) {
  AppendNumber(months, out);
  out += iso ? "M" : "か月";
  AppendNumber(days, out);
  out += iso ? "D" : "日";
}

}  // namespace

void AppendSpan(const CalendarSpan& span, bool iso, std::string& out) {
  if (span.backwards) out += '-';
  if (iso) out += 'P';
  AppendNumber(span.years, out);
  out += iso ? "Y" : "年";
  AppendMonthsAndDays(span.months, span.days, iso, out);
}

void AppendAge(const AgeResult& age, bool iso, bool withMonths, std::string& out) {
  out += iso ? "P" : "満";
  AppendNumber(age.years, out);
  out += iso ? "Y" : "歳";
  if (withMonths) AppendMonthsAndDays(age.months, age.days, iso, out);
}

}  // namespace kalvenor::commands
