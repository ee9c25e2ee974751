#include "parse/day_field.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "calendar/weekday_chars.h"
#include "text/fields.h"

namespace kalvenor {
namespace {

// MidByWidth counts the field's bytes in 16 bits.
constexpr std::size_t kLongestField = std::numeric_limits<std::int16_t>::max() / 2;

// What may stand between a weekday kanji and nothing: a full-width blank is
// what a kana keyboard types there.
bool IsBlankAfterWeekday(char16_t c) { return c == u' ' || c == u'\u3000'; }

// The weekday number of the field's first character, or -1.
int WeekdayOfField(const std::u16string& dayField) {
  const std::u16string first = text::MidByWidth(dayField, 1, 1);
  if (first.size() != 1) return -1;
  const std::size_t found = kWeekdayChars.find(first[0]);
  return found == std::u16string_view::npos ? -1 : static_cast<int>(found);
}

// A weekday field by its second character: the week number.
DayField WeekdayField(int weekday, const std::u16string& dayField) {
  if (dayField.size() < 2 || IsBlankAfterWeekday(dayField[1])) return DayField::Weekday(weekday, 0);
  const char16_t week = dayField[1];
  if (week < u'1' || week > u'5') return {};
  return DayField::Weekday(weekday, week - u'0');
}

}  // namespace

DayField ReadDayField(const std::u16string& dayField, std::int16_t number) {
  if (dayField.size() > kLongestField) return {};
  const int weekday = WeekdayOfField(dayField);
  if (weekday >= 0) return WeekdayField(weekday, dayField);
  if (!dayField.empty() && IsMonthEndLetter(dayField[0])) return {DayKind::MonthEnd};
  if (number == 0) return {};
  if (number == 99) return {DayKind::PastMonthEnd};
  return DayField::Number(number);
}

}  // namespace kalvenor
