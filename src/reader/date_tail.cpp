#include "reader/date_tail.h"

#include "calendar/weekday_chars.h"

namespace kalvenor::reader {
namespace {

constexpr std::u16string_view kWeekdaySuffix = u"曜";  // 月曜, and 月曜日 with the day
constexpr char16_t kDayKanji = u'日';

std::optional<int> WeekdayKanji(Scanner& scanner) {
  const std::size_t weekday = kWeekdayChars.find(scanner.Peek());
  if (weekday == kWeekdayChars.npos || !scanner.Take(scanner.Peek())) return std::nullopt;
  return static_cast<int>(weekday);
}

// "(月)", "(月曜)", "(月曜日)", blanks inside allowed; or, after a blank,
// "月曜日".
std::optional<int> Weekday(Scanner& scanner, bool afterBlank) {
  Scanner ahead = scanner;
  const bool parenthesised = ahead.Take(u'(');
  if (!parenthesised && !afterBlank) return std::nullopt;
  ahead.SkipBlanks();
  const auto weekday = WeekdayKanji(ahead);
  if (!weekday) return std::nullopt;
  const bool fullName = ahead.Take(kWeekdaySuffix) && ahead.Take(kDayKanji);
  if (parenthesised) {
    ahead.SkipBlanks();
    if (!ahead.Take(u')')) return std::nullopt;
  } else if (!fullName) {
    return std::nullopt;
  }
  scanner = ahead;
  return weekday;
}

bool InRange(const std::optional<std::int32_t>& value, std::int32_t most) {
  return value && *value <= most;
}

// H:MM[:SS[.fraction]][Z|±HH:MM]; H is 0..23 in one or two digits.
bool ClockTime(Scanner& scanner) {
  const auto hour = scanner.Digits(2);
  if (!hour || hour->value > 23 || !scanner.Take(u':') || !InRange(scanner.FixedDigits(2), 59)) {
    return false;
  }
  if (scanner.Take(u':')) {
    if (!InRange(scanner.FixedDigits(2), 59)) return false;
    if (scanner.Take(u'.') && !scanner.Digits(9)) return false;
  }
  if (scanner.Take(u'Z')) return true;
  if (scanner.Take(u'+') || scanner.Take(u'-')) {
    return InRange(scanner.FixedDigits(2), 23) && scanner.Take(u':') &&
           InRange(scanner.FixedDigits(2), 59);
  }
  return true;
}

// H時M分 with an optional S秒.
bool KanjiTime(Scanner& scanner) {
  const auto hour = scanner.Digits(2);
  if (!hour || hour->value > 23 || !scanner.Take(u'時')) return false;
  const auto minute = scanner.Digits(2);
  if (!minute || minute->value > 59 || !scanner.Take(u'分')) return false;
  Scanner ahead = scanner;
  const auto second = ahead.Digits(2);
  if (second && second->value <= 59 && ahead.Take(u'秒')) scanner = ahead;
  return true;
}

bool Time(Scanner& scanner) {
  Scanner clock = scanner;
  if (ClockTime(clock)) {
    scanner = clock;
    return true;
  }
  return KanjiTime(scanner);
}

}  // namespace

std::optional<DateTail> ReadTail(Scanner scanner, bool iso) {
  DateTail tail;
  bool timed = false;
  for (bool first = true;; first = false) {
    const bool afterBlank = scanner.TakeBlanks();
    if (scanner.AtEnd()) return tail;
    if (!tail.weekday) {
      tail.weekday = Weekday(scanner, afterBlank);
      if (tail.weekday) continue;
    }
    const bool timeMayFollow = afterBlank || (iso && first && scanner.Take(u'T'));
    if (timed || !timeMayFollow || !Time(scanner)) return std::nullopt;
    timed = true;
  }
}

}  // namespace kalvenor::reader
