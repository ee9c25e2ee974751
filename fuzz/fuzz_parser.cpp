// ParseDate on any UTF-16 with the window's eras and with all: day 0 or a real date, whose display
// texts parse back to it from the year 100 on (below it the two-digit rule applies). Plain dates
// take a fast path, which must answer as the general path does.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "display/display_text.h"
#include "parse/date_parser.h"
#include "parse/plain_date.h"
#include "target_support.h"
#include "utf16_input.h"

namespace {

void CheckParse(const std::u16string& text, std::span<const ymd::Era> eras) {
  ymd::DateParts date;
  ymd::ParseDate(text, date, eras);
  if (date.day == ymd::kDayInvalid) return;
  fuzz::Require(date.month >= 1 && date.month <= 12);
  fuzz::Require(date.day >= 1 && date.day <= ymd::DaysInMonth(date.year, date.month));
  for (const auto style : {ymd::DisplayStyle::Western, ymd::DisplayStyle::Era}) {
    ymd::DateParts again;
    ymd::ParseDate(ymd::DisplayText(date, style, eras), again, eras);
    fuzz::Require(date.year < 100 || again == date);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FixToday();
  const std::u16string text = fuzz::Utf16Units(data, size);
  CheckParse(text, ymd::kWindowEras);
  CheckParse(text, ymd::kEras);
  ymd::DateParts fast, general;
  if (!ymd::ReadPlainDate(text, fast)) return 0;
  ymd::ParseDate(text + u"x", general);
  fuzz::Require(fast == general);
  return 0;
}
