#include "reader/kanji_date.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/eras.h"

namespace kalvenor::reader {
namespace {

constexpr std::u16string_view kUnits = u"年月日";  // after the year, the month, the day

constexpr std::u16string_view kKanjiDigits = u"〇一二三四五六七八九";
constexpr std::u16string_view kKanjiUnits = u"十百千";  // 10, 100, 1000

bool IsKanjiNumeral(char16_t c) {
  return kKanjiDigits.find(c) != kKanjiDigits.npos || kKanjiUnits.find(c) != kKanjiUnits.npos;
}

// 十二, 二十, 千九百八十九: each of 千 百 十 at most once, largest first, with
// a digit 一..九 before it or none (one).
std::optional<std::int32_t> CountedValue(std::u16string_view numeral) {
  std::int32_t value = 0;
  std::int32_t pending = -1;  // a digit waiting for its unit
  std::int32_t lastUnit = 10000;
  for (const char16_t c : numeral) {
    const std::size_t unit = kKanjiUnits.find(c);
    if (unit == kKanjiUnits.npos) {
      const auto digit = static_cast<std::int32_t>(kKanjiDigits.find(c));
      if (pending >= 0 || digit == 0) return std::nullopt;
      pending = digit;
      continue;
    }
    const std::int32_t size = unit == 0 ? 10 : unit == 1 ? 100 : 1000;
    if (size >= lastUnit) return std::nullopt;
    value += (pending < 0 ? 1 : pending) * size;
    pending = -1;
    lastUnit = size;
  }
  return value + (pending < 0 ? 0 : pending);
}

// Kanji numerals: written digit by digit (二〇二六) or counted (二千二十六).
std::optional<Written> KanjiNumber(Scanner& scanner) {
  const std::u16string_view rest = scanner.Rest();
  std::size_t length = 0;
  while (length < rest.size() && length < 8 && IsKanjiNumeral(rest[length])) ++length;
  const std::u16string_view numeral = rest.substr(0, length);
  if (numeral.empty()) return std::nullopt;
  Written number;
  if (numeral.find_first_of(kKanjiUnits) == numeral.npos) {
    for (const char16_t c : numeral) {
      number.value = number.value * 10 + static_cast<std::int32_t>(kKanjiDigits.find(c));
    }
    number.digits = static_cast<int>(numeral.size());
  } else {
    const auto value = CountedValue(numeral);
    if (!value) return std::nullopt;
    number.value = *value;
    number.digits = *value < 10 ? 1 : *value < 100 ? 2 : *value < 1000 ? 3 : 4;
  }
  scanner.Take(numeral);
  return number;
}

// A number and its unit kanji, blanks around; nothing is taken without
// the unit, so that 31日 is still there after no month was found.
std::optional<Written> Part(Scanner& scanner, char16_t unit) {
  Scanner ahead = scanner;
  ahead.SkipBlanks();
  auto number = ahead.Digits();
  if (!number) number = KanjiNumber(ahead);
  ahead.SkipBlanks();
  if (!number || !ahead.Take(unit)) return std::nullopt;
  scanner = ahead;
  return number;
}

// The year before 年: an era year (元 is 1), or a Western year that may
// carry a minus sign.
std::optional<std::int16_t> Year(Scanner& scanner, const Era*& era) {
  era = TakeEra(scanner);
  if (era != nullptr && scanner.Take(kFirstEraYear)) {
    scanner.SkipBlanks();
    if (!scanner.Take(kUnits[0])) return std::nullopt;
    return YearOf(era, 0, Written{1, 1});
  }
  const int sign = era == nullptr && scanner.Take(u'-') ? -1 : 0;
  const auto number = Part(scanner, kUnits[0]);
  if (!number) return std::nullopt;
  return YearOf(era, sign, *number);
}

}  // namespace

std::optional<FormDate> ReadKanjiDate(Scanner& scanner, const DateParts& today) {
  // Every form has a 日; most texts are out at once.
  if (scanner.Rest().find(kUnits[2]) == std::u16string_view::npos) return std::nullopt;
  const Era* era = nullptr;
  Scanner withYear = scanner;
  const std::optional<std::int16_t> year = Year(withYear, era);
  if (year) scanner = withYear;
  const auto month = Part(scanner, kUnits[1]);  // or the day alone
  if (!month && year) return std::nullopt;
  const auto day = Part(scanner, kUnits[2]);
  if (!day) return std::nullopt;
  if (!year) return CompletedForm(month, DayNumber(*day), today);
  const auto date = NumberDate(*year, month->value, day->value);
  if (!date) return std::nullopt;
  return FormDate{*date, era};
}

}  // namespace kalvenor::reader
