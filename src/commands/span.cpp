// span: years, months and days from one date to another.
#include "calendar/calendar_span.h"
#include "calendar/date.h"
#include "commands/commands.h"
#include "commands/date_output.h"

namespace kalvenor::commands {
namespace {

// "P1Y2M3D" in ISO 8601, every field written; else "1年2か月3日".
void AppendSpan(const CalendarSpan& span, OutputStyle style, std::string& out) {
  const bool iso = style == OutputStyle::Iso;
  if (span.backwards) out += '-';
  if (iso) out += 'P';
  AppendNumber(span.years, out);
  out += iso ? "Y" : "年";
  AppendNumber(span.months, out);
  out += iso ? "M" : "か月";
  AppendNumber(span.days, out);
  out += iso ? "D" : "日";
}

}  // namespace

std::optional<Failure> Span(Operands operands, const Settings& settings, std::string& out) {
  DateParts first;
  DateParts second;
  if (auto failure = ReadTwoOperands(operands, settings, first, second)) return failure;
  CalendarSpan span;
  if (!settings.inclusive) {
    span = SpanBetween(first, second);
  } else if (SerialOf(second) >= SerialOf(first)) {
    span = SpanBetween(first, DateAfter(second, 1));  // the end day counts
  } else {
    span = SpanBetween(second, DateAfter(first, 1));
    span.backwards = true;
  }
  AppendSpan(span, settings.style, out);
  return std::nullopt;
}

}  // namespace kalvenor::commands
