#include "parse/weekday_day.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "calendar/date.h"
#include "calendar/weekday_chars.h"
#include "parse/date_parser.h"
#include "parse/day_markers.h"
#include "text/fields.h"

namespace kalvenor {
namespace {

// MidByWidth counts the field's bytes in 16 bits.
constexpr std::size_t kLongestField = std::numeric_limits<std::int16_t>::max() / 2;

// A full-width blank counts as a blank too: it is what a kana keyboard
// types between the kanji and the week number.
bool IsBlank(char16_t c) { return c == u' ' || c == u'\u3000'; }

// The weekday number of the field's first character, or -1.
int WeekdayOfField(const std::u16string& dayField) {
  const std::u16string first = text::MidByWidth(dayField, 1, 1);
  if (first.size() != 1) return -1;
  const std::size_t found = kWeekdayChars.find(first[0]);
  return found == std::u16string_view::npos ? -1 : static_cast<int>(found);
}

// The week number text: the second character with blanks removed; what
// follows it is ignored (月22 reads as 月2).
std::u16string WeekText(const std::u16string& dayField) {
  if (dayField.size() < 2 || IsBlank(dayField[1])) return {};
  return dayField.substr(1, 1);
}

// The first day of the wanted week, kDayPastMonthEnd when the month has no
// fifth week, or kDayInvalid for a week text other than 1..5 or nothing.
std::int16_t StartDay(const DateParts& date, const std::u16string& weekText,
                      const DateParts& today) {
  if (weekText.empty()) {
    const bool thisMonth = date.year == today.year && date.month == today.month;
    return thisMonth ? today.day : 1;
  }
  const char16_t week = weekText[0];
  if (week < u'1' || week > u'5') return kDayInvalid;
  if (week == u'5' && DaysInMonth(date.year, date.month) < 29) {
    return kDayPastMonthEnd;
  }
  return static_cast<std::int16_t>(1 + 7 * (week - u'1'));  // 1, 8, .. 29
}

}  // namespace

void ResolveWeekdayDay(DateParts& date, const std::u16string& dayField, const DateParts& today) {
  if (dayField.size() > kLongestField) {
    date.day = kDayInvalid;
    return;
  }
  const int wanted = WeekdayOfField(dayField);
  if (wanted < 0) return;
  if (date.month < 0 || date.month > 12) {
    date.day = kDayInvalid;
    return;
  }
  const std::int16_t start = StartDay(date, WeekText(dayField), today);
  if (start == kDayInvalid || start == kDayPastMonthEnd) {
    date.day = start;
    return;
  }
  const std::int16_t length = DaysInMonth(date.year, date.month);  // [0, 31]
  // The walk ends within 7 days.
  int weekday = WeekdayOf({date.year, date.month, start});
  std::int16_t day = start;
  while (weekday != wanted) {
    if (++day > length) {
      day = kDayPastMonthEnd;
      break;
    }
    weekday = (weekday + 1) % 7;
  }
  date.day = day;
}

}  // namespace kalvenor
