#include "reader/date_form.h"

#include "calendar/weekday_chars.h"
#include "numeric/checked.h"
#include "reader/kanji_number.h"

namespace kalvenor::reader {
namespace {

// An era's name or its first character.
const Era* TakeEraName(Scanner& scanner) {
  for (const Era& era : kEras) {
    if (scanner.Take(era.name) || scanner.Take(era.name.front())) return &era;
  }
  return nullptr;
}

// Why fields is no date: the month or a day number named, or no reason.
DateRead NoDate(const DateParts& fields, const DayField& day) {
  const bool named = day.kind == DayKind::Number || fields.month < 1 || fields.month > 12;
  return Refused(named ? Refusal::NoSuchDay : Refusal::NotADate, fields);
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

std::optional<WrittenYear> TakeWrittenYear(Scanner& scanner, bool kanjiNumerals) {
  WrittenYear year;
  year.era = TakeEra(scanner);
  if (year.era != nullptr && scanner.Take(kFirstEraYear)) {
    year.number = Written{1, 1};
    return year;
  }
  if (year.era == nullptr) {
    year.sign = scanner.TakeDash() ? -1 : scanner.Take(u'+') ? 1 : 0;
    scanner.SkipBlanks();
  }
  const auto number = kanjiNumerals ? TakeNumber(scanner) : scanner.Digits();
  if (!number) return std::nullopt;
  year.number = *number;
  return year;
}

std::optional<int> TakeWeekdayKanji(Scanner& scanner) {
  const std::size_t weekday = kWeekdayChars.find(scanner.Peek());
  if (weekday == kWeekdayChars.npos || !scanner.Take(scanner.Peek())) return std::nullopt;
  return static_cast<int>(weekday);
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

DateRead FieldsDate(std::int16_t year, std::int32_t month, const DayField& day,
                    const DateParts& today) {
  const std::optional<std::int16_t> month16 = checked::TryInt16(month);
  if (!month16) return Refused(Refusal::NotADate);
  if (const auto date = DateOfFields(year, *month16, day, today)) return Found(*date);
  return NoDate({year, *month16, day.number}, day);
}

// Not through FieldsDate: a batch's kanji, dot and ISO lines come here,
// and a day number needs the validity test alone (going round
// DateOfFields cost those lines about 5%).
DateRead NumberDate(std::int16_t year, std::int32_t month, std::int32_t day) {
  const std::optional<std::int16_t> month16 = checked::TryInt16(month);
  const std::optional<std::int16_t> day16 = checked::TryInt16(day);
  if (!month16 || !day16) return Refused(Refusal::NotADate);
  const DateParts date{year, *month16, *day16};
  return date.IsValid() ? Found(date) : NoDate(date, DayField::Number(*day16));
}

std::optional<DayField> DayNumber(const Written& day) {
  const std::optional<std::int16_t> number = checked::TryInt16(day.value);
  if (!number) return std::nullopt;
  return DayField::Number(*number);
}

std::optional<FormDate> CompletedForm(const std::optional<Written>& month,
                                      const std::optional<DayField>& day, const DateParts& today,
                                      TimeJoin time) {
  const std::optional<std::int16_t> month16 =
      month ? checked::TryInt16(month->value) : std::optional<std::int16_t>(0);
  if (!day || !month16) return std::nullopt;
  const CompletedDate completed =
      month ? CompleteMonthDay(*month16, *day, today) : CompleteDay(*day, today);
  return Form(completed.found ? Found(completed.date) : NoDate(completed.date, *day), nullptr,
              time);
}

}  // namespace kalvenor::reader
