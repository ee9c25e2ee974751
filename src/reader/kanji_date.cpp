#include "reader/kanji_date.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/eras.h"
#include "reader/kanji_number.h"
#include "reader/operand_text.h"

namespace kalvenor::reader {
namespace {

constexpr std::u16string_view kUnits = u"年月日";  // after the year, the month, the day

// The year in brackets beside the year, "(" at the front: "(2026)" before
// 年, "(令和8年)" after it; blanks inside.
std::optional<WrittenYear> YearBeside(Scanner& scanner, bool withUnit) {
  Scanner ahead = scanner;
  if (!ahead.Take(u'(')) return std::nullopt;
  ahead.SkipBlanks();
  const auto year = TakeWrittenYear(ahead, true);
  ahead.SkipBlanks();
  if (!year || (withUnit && !ahead.Take(kUnits[0]))) return std::nullopt;
  ahead.SkipBlanks();
  if (!ahead.Take(u')')) return std::nullopt;
  scanner = ahead;
  return year;
}

// A kanji date's year, and why it is no year of a date when it is none.
struct KanjiYear {
  std::int16_t year = 0;
  const Era* era = nullptr;  // the era written (--strict checks the year against it)
  std::optional<Refusal> refusal;
  std::int16_t otherYear = 0;  // YearsDisagree: the Western year written
};

std::optional<KanjiYear> OneYear(const WrittenYear& written) {
  std::optional<KanjiYear> one;  // filled in place, as Form does
  const auto year = YearOf(written.era, written.sign, written.number);
  if (!year) return one;
  one.emplace();
  one->year = *year;
  one->era = written.era;
  // 8年 may be 令和8年, 平成8年 or 2008: nothing says which.
  if (written.era == nullptr && written.sign == 0 && written.number.digits < 4) {
    one->refusal = Refusal::EraNeeded;
  }
  return one;
}

// An era year and a Western year, either first; the Western one as written.
std::optional<KanjiYear> TwoYears(const WrittenYear& one, const WrittenYear& other) {
  if ((one.era == nullptr) == (other.era == nullptr)) return std::nullopt;
  const WrittenYear& eraYear = one.era != nullptr ? one : other;
  const WrittenYear& western = one.era != nullptr ? other : one;
  const auto year = YearOf(eraYear.era, 0, eraYear.number);
  const auto written = YearOf(nullptr, western.sign != 0 ? western.sign : 1, western.number);
  if (!year || !written) return std::nullopt;
  KanjiYear two{*year, eraYear.era, std::nullopt};
  if (*written != *year) {
    two.refusal = Refusal::YearsDisagree;
    two.otherYear = *written;
  }
  return two;
}

// The year before 年 and the one beside it, if any; what it took stays
// taken when there is none.
std::optional<KanjiYear> Year(Scanner& scanner) {
  // 元年 is the first year of an era not written.
  if (scanner.Take(u"元年")) return KanjiYear{0, nullptr, Refusal::EraNeeded};
  const auto written = TakeWrittenYear(scanner, true);
  if (!written) return std::nullopt;
  // Most years stand alone: a look at the front spares the call.
  scanner.SkipBlanks();
  const auto before = scanner.Peek() == u'(' ? YearBeside(scanner, false) : std::nullopt;
  scanner.SkipBlanks();
  if (!scanner.Take(kUnits[0])) return std::nullopt;
  if (before) return TwoYears(*written, *before);
  scanner.SkipBlanks();
  const auto after = scanner.Peek() == u'(' ? YearBeside(scanner, true) : std::nullopt;
  return after ? TwoYears(*written, *after) : OneYear(*written);
}

// A number and its unit kanji, blanks around; nothing is taken without
// the unit, so that 31日 is still there after no month was found.
std::optional<Written> Part(Scanner& scanner, char16_t unit) {
  const Scanner start = scanner;  // read on in place: copying back stalls on every line
  scanner.SkipBlanks();
  const auto number = TakeNumber(scanner);
  scanner.SkipBlanks();
  if (number && scanner.Take(unit)) return number;
  scanner = start;
  return std::nullopt;
}

}  // namespace

std::optional<FormDate> ReadKanjiDate(Scanner& scanner, const DateParts& today) {
  // Every form has a 日; most texts are out at once.
  if (scanner.Rest().find(kUnits[2]) == std::u16string_view::npos) return std::nullopt;
  const Scanner start = scanner;
  const std::optional<KanjiYear> year = Year(scanner);
  if (!year) scanner = start;
  const auto month = Part(scanner, kUnits[1]);  // or the day alone
  if (!month && year) return std::nullopt;
  const auto day = Part(scanner, kUnits[2]);
  if (!day) return std::nullopt;
  if (!year) return CompletedForm(month, DayNumber(*day), today, TimeJoin::Directly);
  if (!year->refusal) {
    return Form(NumberDate(year->year, month->value, day->value), year->era, TimeJoin::Directly);
  }
  DateRead refused = Refused(*year->refusal, {year->year, 0, 0});
  refused.otherYear = year->otherYear;
  return Form(refused, year->era, TimeJoin::Directly);
}

std::optional<std::int16_t> ReadYear(std::u16string_view text) {
  Scanner scanner(Trimmed(text));
  const auto year = TakeWrittenYear(scanner, true);
  scanner.SkipBlanks();
  const bool unit = scanner.Take(kUnits[0]);
  if (!year || !scanner.AtEnd() || year->sign != 0) return std::nullopt;
  if (year->era != nullptr) return YearOf(year->era, 0, year->number);
  // 2026, 26 and 2026年 are years as written; 26年 may be 令和26年.
  if (year->number.digits > 4 || (unit && year->number.digits < 4)) return std::nullopt;
  return static_cast<std::int16_t>(year->number.value);  // [0, 9999]
}

}  // namespace kalvenor::reader
