// ParseDate on arbitrary UTF-16 with today pinned. Every result must be
// either "not a date" (day 0) or a real date, and a real date's display
// texts, Western and era, must parse back to the same date.
#include <cstddef>
#include <cstdint>
#include <string>

#include "calendar/gregorian.h"
#include "display/display_text.h"
#include "parse/date_parser.h"
#include "target_support.h"
#include "utf16_input.h"

namespace {

bool IsValidDate(const ymd::DateParts& date) {
  return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= ymd::DaysInMonth(date.year, date.month);
}

// Below the year 100 the parser's two-digit rule moves a display text into
// 1952..2051 (" 5/ 1/ 1" reads as 2005, "-5/ 1/ 1" as 1995, "-200/ 1/ 1"
// as 1700); that is how the date language is meant to read such a text, so
// read-back is required from the year 100 on, up to 32767.
constexpr std::int16_t kFirstYearReadBack = 100;

void CheckReadBack(const ymd::DateParts& date, ymd::DisplayStyle style) {
  ymd::DateParts again;
  ymd::ParseDate(ymd::DisplayText(date, style), again);
  fuzz::Require(again == date);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FixToday();

  ymd::DateParts date;
  ymd::ParseDate(fuzz::Utf16Units(data, size), date);
  if (date.day == ymd::kDayInvalid) return 0;
  fuzz::Require(IsValidDate(date));
  if (date.year >= kFirstYearReadBack) {
    CheckReadBack(date, ymd::DisplayStyle::Western);
    // The era text reads back too: the letter adds the era's offset.
    CheckReadBack(date, ymd::DisplayStyle::Era);
  }
  return 0;
}
