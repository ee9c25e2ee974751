// Spans and ages as kalvenor-cli and the page write them.
#pragma once

#include <string>

#include "calendar/calendar_span.h"
#include "commands/results.h"

namespace kalvenor::commands {

// "1年2か月3日", or "P1Y2M3D" in ISO 8601 with every field written; "-"
// before a span that goes back.
void AppendSpan(const CalendarSpan& span, bool iso, std::string& out);

// "満36歳", or "P36Y" in ISO 8601 as a span writes it; withMonths adds the
// months and days: "満36歳2か月3日", "P36Y2M3D".
void AppendAge(const AgeResult& age, bool iso, bool withMonths, std::string& out);

}  // namespace kalvenor::commands
