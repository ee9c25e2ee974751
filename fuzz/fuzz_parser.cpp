// ParseDate on arbitrary UTF-16 with today pinned. Every result must be
// either "not a date" (day 0) or a real date, and a real date's Western
// display text must parse back to the same date.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calendar/gregorian.h"
#include "display/display_text.h"
#include "parse/clock.h"
#include "parse/date_parser.h"
#include "utf16_input.h"

namespace {

bool IsValidDate(const ymd::DateParts& date) {
  return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= ymd::DaysInMonth(date.year, date.month);
}

// Below the year 100 the display text has fewer than three year digits and
// the parser's two-digit rule moves it into 1900..2051 (" 5/ 1/ 1" reads as
// 2005) or, for negative years, likewise; that is how the date language is
// meant to read such a text, so read-back is only required from 100 on.
constexpr std::int16_t kFirstYearReadBack = 100;

void CheckReadBack(const ymd::DateParts& date, ymd::DisplayStyle style) {
  ymd::DateParts again;
  ymd::ParseDate(ymd::DisplayText(date, style), again);
  if (!(again == date)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  static const bool pinned = [] {
    ymd::SetTodayTextForTesting(u"1999/04/20");  // a Tuesday
    ymd::ResetTodayCache();
    return true;
  }();
  (void)pinned;

  ymd::DateParts date;
  ymd::ParseDate(fuzz::Utf16Units(data, size), date);
  if (date.day == ymd::kDayInvalid) return 0;
  if (!IsValidDate(date)) std::abort();
  if (date.year >= kFirstYearReadBack) {
    CheckReadBack(date, ymd::DisplayStyle::Western);
    // The era text reads back too: the letter adds the era's offset.
    CheckReadBack(date, ymd::DisplayStyle::Era);
  }
  return 0;
}
