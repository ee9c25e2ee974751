#include "display/display_text.h"

#include <cstdint>
#include <string>

#include "calendar/date.h"
#include "calendar/weekday_chars.h"

namespace kalvenor {
namespace {

std::u16string FieldsText(std::int32_t year, const DateParts& date) {
  return NumberText(year) + u"/" + NumberText(date.month) + u"/" + NumberText(date.day);
}

}  // namespace

std::u16string FormatEraDate(const DateParts& date, std::span<const Era> eras) {
  if (const Era* era = EraOf(date, eras)) {
    return era->letter + FieldsText(date.year - era->offset, date);
  }
  return FieldsText(date.year, date);
}

std::u16string DisplayText(const DateParts& date, DisplayStyle style, std::span<const Era> eras) {
  const std::u16string dateText =
      style == DisplayStyle::Era ? FormatEraDate(date, eras) : FieldsText(date.year, date);
  return dateText + u"(" + kWeekdayChars[WeekdayOf(date)] + u")";
}

}  // namespace kalvenor
