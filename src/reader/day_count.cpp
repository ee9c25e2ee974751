#include "reader/day_count.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "reader/operand_text.h"

namespace kalvenor::reader {
namespace {

struct UnitName {
  std::u16string_view name;  // ASCII names in lower case; either case is read
  DayUnit unit;
};

// Longer names before their prefixes, so 週間 is not read as 週 and 間.
constexpr std::array<UnitName, 16> kUnitNames = {{
    {u"d", DayUnit::Day},
    {u"日", DayUnit::Day},
    {u"w", DayUnit::Week},
    {u"週間", DayUnit::Week},
    {u"週", DayUnit::Week},
    {u"mo", DayUnit::Month},
    {u"か月", DayUnit::Month},
    {u"ヶ月", DayUnit::Month},
    {u"カ月", DayUnit::Month},
    {u"ケ月", DayUnit::Month},
    {u"ヵ月", DayUnit::Month},
    {u"箇月", DayUnit::Month},
    {u"y", DayUnit::Year},
    {u"年", DayUnit::Year},
    {u"b", DayUnit::Business},
    {u"営業日", DayUnit::Business},
}};

std::optional<DayUnit> UnitOf(std::u16string_view text) {
  if (text.empty()) return DayUnit::Day;
  for (const UnitName& unit : kUnitNames) {
    if (IsWordInAnyCase(text, unit.name)) return unit.unit;
  }
  return std::nullopt;
}

// The length of the number at the front of text: a sign, digits and at
// most one ".", with at least one digit; 0 when there is none.
std::size_t NumberLength(std::u16string_view text) {
  std::size_t at = text.starts_with(u'+') || text.starts_with(u'-') ? 1 : 0;
  bool digits = false;
  bool point = false;
  for (; at < text.size(); ++at) {
    if (text[at] >= u'0' && text[at] <= u'9') {
      digits = true;
    } else if (text[at] == u'.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  return digits ? at : 0;
}

}  // namespace

std::optional<DayCount> ReadDayCount(std::u16string_view text) {
  text = Trimmed(text);
  const std::size_t length = NumberLength(text);
  if (length == 0) return std::nullopt;
  std::string number(text.begin() + (text[0] == u'+' ? 1 : 0), text.begin() + length);
  DayCount count;
  // Digits and at most one point by now; the program keeps the C locale.
  count.amount = std::strtod(number.c_str(), nullptr);
  const auto unit = UnitOf(Trimmed(text.substr(length)));
  if (!unit) return std::nullopt;
  // A fraction of a week or month has no calendar meaning.
  if (*unit != DayUnit::Day && number.find('.') != number.npos) return std::nullopt;
  count.unit = *unit;
  return count;
}

}  // namespace kalvenor::reader
