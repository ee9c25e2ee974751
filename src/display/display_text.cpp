#include "display/display_text.h"

#include <cstdint>
#include <string>

#include "calendar/floor_div.h"
#include "calendar/gregorian.h"

namespace ymd {
namespace {

struct Era {
  char16_t letter;
  SerialDay lastDayBefore;  // the era begins on the day after this one
  std::int16_t yearOffset;  // era year = year field - offset
};

// Newest first: the first era whose boundary the date has passed wins.
constexpr Era kEras[] = {
    {u'H', 726109, 1988},  // 1989-01-07
    {u'S', 703449, 1925},  // 1926-12-24
    {u'T', 698188, 1911},  // 1912-07-29
    {u'M', 681907, 1867},  // 1867-12-31
};

constexpr std::u16string_view kWeekdayKanji = u"日月火水木金土";

std::u16string FieldsText(std::int32_t year, const DateParts& date) {
  return NumberText(year) + u"/" + NumberText(date.month) + u"/" + NumberText(date.day);
}

}  // namespace

std::u16string FormatEraDate(const DateParts& date) {
  const SerialDay serial = SerialOf(date);
  for (const Era& era : kEras) {
    if (serial > era.lastDayBefore) {
      return era.letter + FieldsText(date.year - era.yearOffset, date);
    }
  }
  return FieldsText(date.year, date);
}

std::u16string DisplayText(const DateParts& date, DisplayStyle style) {
  const std::u16string dateText =
      style == DisplayStyle::Era ? FormatEraDate(date) : FieldsText(date.year, date);
  // Before 0001-01-01 WeekdayOf may come out negative (down to -6); the
  // floor remainder is the weekday the folded date really has.
  const std::int32_t weekday = FloorMod(WeekdayOf(date), 7);  // [0, 6]
  return dateText + u"(" + kWeekdayKanji[weekday] + u")";
}

}  // namespace ymd
