// span: years, months and days from one date to another.
#include "calendar/calendar_span.h"
#include "calendar/date.h"
#include "commands/commands.h"

namespace kalvenor::commands {

std::optional<Failure> Span(Operands operands, const Settings& settings, Result& result) {
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
  result = span;
  return std::nullopt;
}

}  // namespace kalvenor::commands
