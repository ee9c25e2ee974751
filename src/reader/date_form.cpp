#include "reader/date_form.h"

#include "numeric/checked.h"

namespace kalvenor::reader {

namespace {

// An era's name or its first character.
const Era* TakeEraName(Scanner& scanner) {
  for (const Era& era : kEras) {
    if (scanner.Take(era.name) || scanner.Take(era.name.front())) return &era;
  }
  return nullptr;
}

}  // namespace

const Era* TakeEra(Scanner& scanner) {
  const char16_t first = scanner.Peek();
  if (first >= u'0' && first <= u'9') return nullptr;  // most dates: no era
  const Era* era = EraOfLetter(first, kEras);
  if (era != nullptr) {
    scanner.Take(first);
  } else {
    era = TakeEraName(scanner);
  }
  if (era != nullptr) scanner.SkipBlanks();
  return era;
}

std::optional<std::int16_t> YearOf(const Era* era, int sign, const Written& number) {
  std::int32_t year = sign < 0 ? -number.value : number.value;  // [-999999, 999999]
  if (era != nullptr) {
    year = YearOfEraYear(*era, year);
  } else if (sign == 0 && number.digits <= 2) {
    year = ExpandTwoDigitYear(static_cast<std::int16_t>(year));  // [0, 99]
  }
  return checked::TryInt16(year);
}

std::optional<DateParts> NumberDate(std::int16_t year, std::int32_t month, std::int32_t day) {
  const std::optional<std::int16_t> month16 = checked::TryInt16(month);
  const std::optional<std::int16_t> day16 = checked::TryInt16(day);
  if (!month16 || !day16) return std::nullopt;
  const DateParts date{year, *month16, *day16};
  if (!date.IsValid()) return std::nullopt;
  return date;
}

std::optional<DayField> DayNumber(const Written& day) {
  const std::optional<std::int16_t> number = checked::TryInt16(day.value);
  if (!number) return std::nullopt;
  return DayField::Number(*number);
}

std::optional<FormDate> CompletedForm(const std::optional<Written>& month,
                                      const std::optional<DayField>& day, const DateParts& today) {
  if (!day) return std::nullopt;
  CompletedDate completed;
  if (!month) {
    completed = CompleteDay(*day, today);
  } else if (const std::optional<std::int16_t> month16 = checked::TryInt16(month->value)) {
    completed = CompleteMonthDay(*month16, *day, today);
  }
  if (!completed.found) return std::nullopt;
  return FormDate{completed.date};
}

}  // namespace kalvenor::reader
