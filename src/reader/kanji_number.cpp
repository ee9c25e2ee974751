#include "reader/kanji_number.h"

#include <cstdint>
#include <string_view>

namespace kalvenor::reader {
namespace {

constexpr std::u16string_view kKanjiDigits = u"〇一二三四五六七八九";
constexpr std::u16string_view kKanjiUnits = u"十百千";  // 10, 100, 1000

bool IsKanjiNumeral(char16_t c) {
  return kKanjiDigits.find(c) != kKanjiDigits.npos || kKanjiUnits.find(c) != kKanjiUnits.npos;
}

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

}  // namespace

std::optional<Written> TakeKanjiNumber(Scanner& scanner) {
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

}  // namespace kalvenor::reader
