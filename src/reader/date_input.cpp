#include "reader/date_input.h"

#include <array>

#include "calendar/date.h"
#include "calendar/eras.h"
#include "parse/date_parser.h"
#include "parse/plain_date.h"
#include "reader/date_tail.h"
#include "reader/iso_date.h"
#include "reader/kanji_date.h"
#include "reader/operand_text.h"
#include "reader/separated_date.h"

namespace kalvenor::reader {
namespace {

struct Keyword {
  std::u16string_view word;  // ASCII words in lower case; either case is read
  int daysFromToday;
};

constexpr std::array<Keyword, 7> kKeywords = {{{u"today", 0},
                                               {u"今日", 0},
                                               {u"本日", 0},
                                               {u"yesterday", -1},
                                               {u"昨日", -1},
                                               {u"tomorrow", 1},
                                               {u"明日", 1}}};

std::optional<int> KeywordDays(std::u16string_view text) {
  for (const Keyword& keyword : kKeywords) {
    if (IsWordInAnyCase(text, keyword.word)) return keyword.daysFromToday;
  }
  return std::nullopt;
}

DateRead Refused(Refusal refusal, DateParts date = {}) { return DateRead{date, refusal}; }

DateRead WindowDate(const std::u16string& text, const DateParts& today) {
  // Raises nothing: a number too big is no date.
  const std::optional<DateParts> date = ParseDate(text, today).date;
  if (!date) return Refused(Refusal::NotADate);
  return DateRead{*date, std::nullopt};
}

DateRead DaysFromToday(const DateParts& today, int days) {
  try {
    return DateRead{DateAfter(today, days), std::nullopt};
  } catch (const OutsideCalendarError&) {
    return Refused(Refusal::NotADate);
  }
}

// The first form that reads the front of the text and leaves a tail.
std::optional<FormDate> ReadForm(std::u16string_view text, const DateParts& today,
                                 std::optional<DateTail>& tail) {
  using Reader = std::optional<FormDate> (*)(Scanner&, const DateParts&);
  // Each form gives up at a glance on most texts of the others.
  constexpr std::array<Reader, 4> kForms = {
      ReadKanjiDate, [](Scanner& s, const DateParts&) { return ReadIsoDate(s); },
      [](Scanner& s, const DateParts&) { return ReadDotDate(s); }, ReadSlashDate};
  for (const Reader read : kForms) {
    Scanner scanner(text);
    auto form = read(scanner, today);
    if (!form) continue;
    tail = ReadTail(scanner, form->iso);
    if (tail) return form;
  }
  return std::nullopt;
}

// Everything but the plain line, kept out of line so that the plain line's
// path stays short.
[[gnu::noinline]] DateRead ReadForms(std::u16string_view text, const ReadOptions& options) {
  const std::u16string_view trimmed = Trimmed(text);
  if (trimmed.empty()) return Refused(Refusal::Empty);
  if (const auto days = KeywordDays(trimmed)) return DaysFromToday(options.today, *days);
  std::optional<DateTail> tail;
  const auto form = ReadForm(trimmed, options.today, tail);
  if (!form) return Refused(Refusal::NotADate);
  if (tail->weekday && *tail->weekday != WeekdayOf(form->date)) {
    return Refused(Refusal::WrongWeekday, form->date);
  }
  // --strict: the date must lie in the era it was written with.
  if (options.strict && form->era != nullptr && EraOf(form->date, kEras) != form->era) {
    return Refused(Refusal::OutsideEra, form->date);
  }
  return DateRead{form->date, std::nullopt};
}

}  // namespace

DateRead ReadDate(const std::u16string& text, const ReadOptions& options) {
  if (options.windowLanguage) return WindowDate(text, options.today);
  // The usual batch line, "2024/3/15", is none of the forms below: it goes
  // straight to the date language's fast path.
  DateParts plain;
  if (ReadPlainDate(text, plain)) return DateRead{plain, std::nullopt};
  return ReadForms(text, options);
}

bool ReadPlainLine(std::string_view bytes, const ReadOptions& options, DateParts& date) {
  return !options.windowLanguage && ReadPlainDate(bytes, date);
}

}  // namespace kalvenor::reader
