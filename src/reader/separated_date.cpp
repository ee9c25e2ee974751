#include "reader/separated_date.h"

#include <string>

#include "calendar/weekday_chars.h"
#include "parse/date_parser.h"
#include "parse/day_markers.h"
#include "parse/weekday_day.h"

namespace kalvenor::reader {
namespace {

// The first field: its number, and the era or sign written before it.
struct YearField {
  const Era* era = nullptr;
  int sign = 0;  // -1, +1, or 0 for none
  Written number;
};

std::optional<YearField> ReadYearField(Scanner& scanner) {
  YearField field;
  field.era = TakeEra(scanner);
  if (field.era != nullptr && scanner.Take(kFirstEraYear)) {
    field.number = Written{1, 1};
    return field;
  }
  if (field.era == nullptr) field.sign = scanner.Take(u'-') ? -1 : scanner.Take(u'+') ? 1 : 0;
  const auto number = scanner.Digits();
  if (!number) return std::nullopt;
  field.number = *number;
  return field;
}

bool TakeSeparator(Scanner& scanner, char16_t separator) {
  Scanner ahead = scanner;
  ahead.SkipBlanks();
  if (!ahead.Take(separator)) return false;
  ahead.SkipBlanks();
  scanner = ahead;
  return true;
}

// A day field that is not a number, as the window writes it: "E" or a
// weekday kanji with an optional week number 1..5.
std::optional<std::u16string> SpecialDay(Scanner& scanner) {
  const char16_t first = scanner.Peek();
  if ((first == u'E' || first == u'e') && scanner.Take(first)) return u"E";
  if (kWeekdayChars.find(first) == kWeekdayChars.npos || !scanner.Take(first)) return std::nullopt;
  std::u16string field(1, first);
  const char16_t week = scanner.Peek();
  if (week >= u'1' && week <= u'5' && scanner.Take(week)) field += week;
  return field;
}

// The day of a full date whose day field is special, by the window's rules.
std::optional<DateParts> SpecialDate(std::int16_t year, std::int32_t month,
                                     const std::u16string& field, const DateParts& today) {
  if (month < 1 || month > 12) return std::nullopt;
  DateParts date{year, static_cast<std::int16_t>(month), 0};
  if (field == u"E") {
    date.day = DaysInMonth(date.year, date.month);
    return date;
  }
  ResolveWeekdayDay(date, field, today);
  if (date.day == kDayInvalid || date.day == kDayPastMonthEnd) return std::nullopt;
  return date;
}

}  // namespace

std::optional<FormDate> ReadSlashDate(Scanner& scanner, const DateParts& today) {
  FormDate form;
  if (const auto day = SpecialDay(scanner)) {
    form.completion = *day;
    return form;
  }
  const auto first = ReadYearField(scanner);
  if (!first) return std::nullopt;
  // Only a full date may name its era or sign its year.
  const bool bare = first->era == nullptr && first->sign == 0;
  if (!TakeSeparator(scanner, u'/')) {
    if (!bare) return std::nullopt;
    form.completion = Decimal(first->number.value);
    return form;
  }
  const auto month = scanner.Digits();
  if (!month) {
    const auto day = SpecialDay(scanner);
    if (!day || !bare) return std::nullopt;
    form.completion = Decimal(first->number.value) + u'/' + *day;
    return form;
  }
  if (!TakeSeparator(scanner, u'/')) {
    if (!bare) return std::nullopt;
    form.completion = Decimal(first->number.value) + u'/' + Decimal(month->value);
    return form;
  }
  const auto year = YearOf(first->era, first->sign, first->number);
  if (!year) return std::nullopt;
  form.era = first->era;
  std::optional<DateParts> date;
  if (const auto day = scanner.Digits()) {
    date = ValidDate(*year, month->value, day->value);
  } else if (const auto special = SpecialDay(scanner)) {
    date = SpecialDate(*year, month->value, *special, today);
  }
  if (!date) return std::nullopt;
  form.date = *date;
  return form;
}

std::optional<FormDate> ReadDotDate(Scanner& scanner) {
  const auto first = ReadYearField(scanner);
  if (!first || !TakeSeparator(scanner, u'.')) return std::nullopt;
  const auto month = scanner.Digits();
  if (!month || !TakeSeparator(scanner, u'.')) return std::nullopt;
  const auto day = scanner.Digits();
  const auto year = YearOf(first->era, first->sign, first->number);
  if (!day || !year) return std::nullopt;
  const auto date = ValidDate(*year, month->value, day->value);
  if (!date) return std::nullopt;
  return FormDate{*date, first->era, false, {}};
}

}  // namespace kalvenor::reader
