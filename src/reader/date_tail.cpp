#include "reader/date_tail.h"

#include <array>
#include <cstdint>

#include "reader/kanji_number.h"
#include "reader/operand_text.h"

namespace kalvenor::reader {
namespace {

constexpr std::u16string_view kWeekdaySuffix = u"曜";  // 月曜, and 月曜日 with the day
constexpr char16_t kDayKanji = u'日';

// Marks of a day off after the weekday: a national holiday, a day off, a
// substitute holiday. Not checked against the date: a company's 休 is
// its own.
constexpr std::array<std::u16string_view, 8> kHolidayMarks = {u"祝日", u"休日", u"祭日", u"振休",
                                                              u"祝",   u"休",   u"祭",   u"振"};
constexpr std::u16string_view kMarkSeparators = u"・･,、/";
// The weekday signs ㈪..㈰ and ㊊..㊐, each Monday first, and the holiday
// signs ㈷ ㉁ ㊗ ㊡.
constexpr std::array<char16_t, 2> kEnclosedMondays = {u'\u322A', u'\u328A'};
constexpr std::u16string_view kEnclosedMarks = u"\u3237\u3241\u3297\u32A1";

bool TakeAny(Scanner& scanner, std::u16string_view characters) {
  const char16_t c = scanner.Peek();
  return !scanner.AtEnd() && characters.find(c) != characters.npos && scanner.Take(c);
}

std::optional<int> EnclosedWeekday(Scanner& scanner) {
  const char16_t c = scanner.Peek();
  for (const char16_t monday : kEnclosedMondays) {
    if (c >= monday && c < monday + 7 && scanner.Take(c)) {
      TakeAny(scanner, kEnclosedMarks);
      return (c - monday + 1) % 7;
    }
  }
  return std::nullopt;
}

// "・祝" and the like, blanks around; nothing taken when there is none.
void TakeHolidayMark(Scanner& scanner) {
  Scanner ahead = scanner;
  ahead.SkipBlanks();
  TakeAny(ahead, kMarkSeparators);
  ahead.SkipBlanks();
  for (const std::u16string_view mark : kHolidayMarks) {
    if (ahead.Take(mark)) {
      scanner = ahead;
      return;
    }
  }
}

// "(月)", "(月曜)", "(月曜日)", blanks inside allowed, a holiday mark before
// the ")"; "月曜日"; an enclosed sign.
std::optional<int> Weekday(Scanner& scanner) {
  if (const auto enclosed = EnclosedWeekday(scanner)) return enclosed;
  Scanner ahead = scanner;
  const bool bracketed = ahead.Take(u'(');
  ahead.SkipBlanks();
  const auto weekday = TakeWeekdayKanji(ahead);
  if (!weekday) return std::nullopt;
  const bool fullName = ahead.Take(kWeekdaySuffix) && ahead.Take(kDayKanji);
  if (bracketed) {
    TakeHolidayMark(ahead);
    ahead.SkipBlanks();
    if (!ahead.Take(u')')) return std::nullopt;
  } else if (!fullName) {
    return std::nullopt;
  }
  scanner = ahead;
  return weekday;
}

// A time's numbers as written, checked once it is read.
struct TimeOfDay {
  std::int32_t hour = 0, minute = 0, second = 0;  // [0, 999999] each
  bool twelveHour = false;                        // 午前, 午後, AM, PM
  std::int32_t zoneHours = 0, zoneMinutes = 0;    // [0, 99] each
};

bool InRange(const TimeOfDay& time) {
  return time.hour <= (time.twelveHour ? 12 : 23) && time.minute <= 59 && time.second <= 59 &&
         time.zoneHours <= 23 && time.zoneMinutes <= 59;
}

// ".5" or ",5" after the seconds, if there.
bool TakeFraction(Scanner& scanner) {
  return !(scanner.Take(u'.') || scanner.Take(u',')) || scanner.Digits(9).has_value();
}

// H:MM[:SS[fraction]], H in one or two digits.
bool ClockTime(Scanner& scanner, TimeOfDay& time) {
  const auto hour = scanner.Digits(2);
  if (!hour || !scanner.Take(u':')) return false;
  const auto minute = scanner.FixedDigits(2);
  if (!minute) return false;
  time.hour = hour->value;
  time.minute = *minute;
  if (!scanner.Take(u':')) return true;
  const auto second = scanner.FixedDigits(2);
  time.second = second.value_or(0);
  return second && TakeFraction(scanner);
}

// HHMM or HHMMSS, and a fraction after the seconds.
bool CompactTime(Scanner& scanner, TimeOfDay& time) {
  const auto digits = scanner.Digits(6);
  if (!digits || (digits->digits != 4 && digits->digits != 6)) return false;
  const std::int32_t value = digits->digits == 4 ? digits->value * 100 : digits->value;
  time.hour = value / 10000;
  time.minute = value / 100 % 100;
  time.second = value % 100;
  return digits->digits == 4 || TakeFraction(scanner);
}

// AM or PM in either case, after a blank or not.
bool TakeAmPm(Scanner& scanner) {
  Scanner ahead = scanner;
  ahead.SkipBlanks();
  const std::u16string_view word = ahead.Rest().substr(0, 2);
  if (!IsWordInAnyCase(word, u"am") && !IsWordInAnyCase(word, u"pm")) return false;
  ahead.Take(word);
  scanner = ahead;
  return true;
}

// Z or ±HH[[:]MM], after a blank or not; true when there is none.
bool TakeZone(Scanner& scanner, TimeOfDay& time) {
  Scanner ahead = scanner;
  ahead.SkipBlanks();
  if (ahead.Take(u'Z')) {
    scanner = ahead;
    return true;
  }
  if (!ahead.Take(u'+') && !ahead.TakeDash()) return true;
  const auto offset = ahead.Digits(4);  // HH or HHMM
  if (!offset || offset->digits % 2 != 0) return false;
  time.zoneHours = offset->digits == 4 ? offset->value / 100 : offset->value;
  time.zoneMinutes = offset->digits == 4 ? offset->value % 100 : 0;
  if (offset->digits == 2 && ahead.Take(u':')) {
    const auto minutes = ahead.FixedDigits(2);
    if (!minutes) return false;
    time.zoneMinutes = *minutes;
  }
  scanner = ahead;
  return true;
}

// H時[M分[S秒]|半], in Arabic or kanji numerals.
bool KanjiTime(Scanner& scanner, TimeOfDay& time) {
  const auto hour = TakeNumber(scanner);
  if (!hour || !scanner.Take(u'時')) return false;
  time.hour = hour->value;
  if (scanner.Take(u'半')) {
    time.minute = 30;
    return true;
  }
  for (const char16_t unit : {u'分', u'秒'}) {
    Scanner ahead = scanner;
    const auto number = TakeNumber(ahead);
    if (!number || !ahead.Take(unit)) break;
    (unit == u'分' ? time.minute : time.second) = number->value;
    scanner = ahead;
  }
  return true;
}

// A time at the front of scanner; compact: whether HHMMSS is one (after T).
std::optional<TimeOfDay> Time(Scanner& scanner, bool compact) {
  TimeOfDay time;
  Scanner ahead = scanner;
  time.twelveHour = ahead.Take(u"午前") || ahead.Take(u"午後");
  ahead.SkipBlanks();
  Scanner clock = ahead;
  bool read = ClockTime(clock, time);
  if (!read && compact) {
    clock = ahead;
    read = CompactTime(clock, time);
  }
  if (read) {
    if (!time.twelveHour) time.twelveHour = TakeAmPm(clock);
    if (!TakeZone(clock, time)) return std::nullopt;
    ahead = clock;
  } else if (!KanjiTime(ahead, time)) {
    return std::nullopt;
  }
  scanner = ahead;
  return time;
}

}  // namespace

bool ReadTail(Scanner scanner, TimeJoin join, DateTail& tail) {
  bool timed = false;
  bool joined = join == TimeJoin::Directly;  // a time may stand right here
  for (bool first = true;; first = false) {
    const bool afterBlank = scanner.TakeBlanks();
    if (scanner.AtEnd()) return true;
    if (!tail.weekday) {
      tail.weekday = Weekday(scanner);
      if (tail.weekday) {
        joined = true;
        continue;
      }
    }
    const bool afterT = join == TimeJoin::AfterT && first && !afterBlank && scanner.Take(u'T');
    if (timed || !(afterBlank || joined || afterT)) return false;
    const auto time = Time(scanner, afterT);
    if (!time) return false;
    tail.noSuchTime = !InRange(*time);
    timed = true;
    joined = false;
  }
}

}  // namespace kalvenor::reader
