#include "reader/separated_date.h"

#include <optional>

namespace kalvenor::reader {
namespace {

bool TakeSeparator(Scanner& scanner, char16_t separator) {
  Scanner ahead = scanner;
  ahead.SkipBlanks();
  if (!ahead.Take(separator)) return false;
  ahead.SkipBlanks();
  scanner = ahead;
  return true;
}

// A day field that is not a number: "E", or a weekday kanji with an
// optional week number 1..5.
std::optional<DayField> SpecialDay(Scanner& scanner) {
  const char16_t first = scanner.Peek();
  if (IsMonthEndLetter(first) && scanner.Take(first)) return DayField{DayKind::MonthEnd};
  const auto weekday = TakeWeekdayKanji(scanner);
  if (!weekday) return std::nullopt;
  const char16_t week = scanner.Peek();
  const bool numbered = week >= u'1' && week <= u'5' && scanner.Take(week);
  return DayField::Weekday(*weekday, numbered ? week - u'0' : 0);
}

}  // namespace

std::optional<FormDate> ReadSlashDate(Scanner& scanner, const DateParts& today) {
  if (const auto day = SpecialDay(scanner)) return CompletedForm(std::nullopt, day, today);
  const auto first = TakeWrittenYear(scanner, false);
  if (!first) return std::nullopt;
  // Only a full date may name its era or sign its year.
  const bool bare = first->era == nullptr && first->sign == 0;
  const auto completed = [&](const std::optional<Written>& month,
                             const std::optional<DayField>& day) -> std::optional<FormDate> {
    if (!bare) return std::nullopt;
    return CompletedForm(month, day, today);
  };
  if (!TakeSeparator(scanner, u'/')) return completed(std::nullopt, DayNumber(first->number));
  const auto month = scanner.Digits();
  if (!month) return completed(first->number, SpecialDay(scanner));
  if (!TakeSeparator(scanner, u'/')) return completed(first->number, DayNumber(*month));
  const auto year = YearOf(first->era, first->sign, first->number);
  const auto number = scanner.Digits();
  const auto day = number ? DayNumber(*number) : SpecialDay(scanner);
  if (!year || !day) return std::nullopt;
  return Form(FieldsDate(*year, month->value, *day, today), first->era);
}

std::optional<FormDate> ReadDotDate(Scanner& scanner) {
  const auto first = TakeWrittenYear(scanner, false);
  if (!first || !TakeSeparator(scanner, u'.')) return std::nullopt;
  const auto month = scanner.Digits();
  if (!month || !TakeSeparator(scanner, u'.')) return std::nullopt;
  const auto day = scanner.Digits();
  const auto year = YearOf(first->era, first->sign, first->number);
  if (!day || !year) return std::nullopt;
  return Form(NumberDate(*year, month->value, day->value), first->era);
}

}  // namespace kalvenor::reader
