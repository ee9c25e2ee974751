#include "reader/date_input.h"

#include <algorithm>
#include <array>
#include <utility>

#include "calendar/date.h"
#include "calendar/eras.h"
#include "parse/date_parser.h"
#include "parse/plain_date.h"
#include "reader/date_tail.h"
#include "reader/iso_date.h"
#include "reader/kanji_date.h"
#include "reader/kanji_number.h"
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

// Quotes around a date, each pair as it opens and closes.
constexpr std::array<std::pair<char16_t, char16_t>, 9> kQuotes = {{{u'"', u'"'},
                                                                   {u'\'', u'\''},
                                                                   {u'`', u'`'},
                                                                   {u'「', u'」'},
                                                                   {u'『', u'』'},
                                                                   {u'“', u'”'},
                                                                   {u'‘', u'’'},
                                                                   {u'〝', u'〟'},
                                                                   {u'«', u'»'}}};

// Characters that show nothing or pass for a date's own, which a refusal
// names by code point (ranges, both ends included): controls (a tab is a
// blank), the soft hyphen, zero-width, direction and separator characters
// and the byte-order mark; dashes and ー for "-"; the fraction and division
// slashes for "/"; the middle dot, the one-dot leader, 。 and ｡ for "."; the
// modifier letter and ratio colons for ":". No form reads any of them.
constexpr std::array<std::pair<char16_t, char16_t>, 19> kStrayCharacters = {{
    {0x00, 0x08},     {0x0A, 0x1F},     {0x7F, 0x9F},     {0xAD, 0xAD},     {0xB7, 0xB7},
    {0x02D0, 0x02D0}, {0x061C, 0x061C}, {0x200B, 0x200F}, {0x2012, 0x2015}, {0x2024, 0x2024},
    {0x2028, 0x202E}, {0x2044, 0x2044}, {0x2060, 0x2064}, {0x2215, 0x2215}, {0x2236, 0x2236},
    {0x3002, 0x3002}, {0x30FC, 0x30FC}, {0xFEFF, 0xFEFF}, {0xFF61, 0xFF61},
}};

std::optional<int> KeywordDays(std::u16string_view text) {
  for (const Keyword& keyword : kKeywords) {
    if (IsWordInAnyCase(text, keyword.word)) return keyword.daysFromToday;
  }
  return std::nullopt;
}

DateRead WindowDate(const std::u16string& text, const DateParts& today) {
  // Raises nothing: a number too big is no date.
  const std::optional<DateParts> date = ParseDate(text, today).date;
  if (!date) return Refused(Refusal::NotADate);
  return Found(*date);
}

DateRead DaysFromToday(const DateParts& today, int days) {
  try {
    return Found(DateAfter(today, days));
  } catch (const OutsideCalendarError&) {
    return Refused(Refusal::NotADate);
  }
}

// The forms, each of which gives up at a glance on most texts of the others.
using FormReader = std::optional<FormDate> (*)(Scanner&, const DateParts&);
constexpr std::array<FormReader, 4> kForms = {
    ReadKanjiDate, [](Scanner& s, const DateParts&) { return ReadIsoDate(s); },
    [](Scanner& s, const DateParts&) { return ReadDotDate(s); }, ReadSlashDate};

// Whether a form reads the text whole, tail and all; if so, read is the
// date or why the text of that form is none. (An out-parameter, as
// ReadTail's.)
bool ReadForm(std::u16string_view text, const ReadOptions& options, DateRead& read) {
  for (const FormReader reader : kForms) {
    Scanner scanner(text);
    const auto form = reader(scanner, options.today);
    DateTail tail;
    if (!form || !ReadTail(scanner, form->time, tail)) continue;
    read = form->read;
    if (read.refusal) return true;
    if (tail.noSuchTime) {
      read.refusal = Refusal::NoSuchTime;
    } else if (tail.weekday && *tail.weekday != WeekdayOf(read.date)) {
      read.refusal = Refusal::WrongWeekday;
    } else if (options.strict && form->era != nullptr && EraOf(read.date, kEras) != form->era) {
      read.refusal = Refusal::OutsideEra;  // --strict: the date must lie in the era written
    }
    return true;
  }
  return false;
}

bool IsStray(char16_t c) {
  return std::any_of(kStrayCharacters.begin(), kStrayCharacters.end(),
                     [c](const auto& range) { return c >= range.first && c <= range.second; });
}

// Whether the longest beginning of text that a form reads is a date, and
// what follows it, being no weekday or time, is what no form reads:
// 2026/12/7 会議. A beginning that is no date (2026 in 2026x), or whose
// number runs on into the rest (4 in 4十日), gives no reason.
bool DateThenText(std::u16string_view text, const DateParts& today) {
  Scanner rest(text);
  bool date = false;
  for (const FormReader reader : kForms) {
    Scanner scanner(text);
    const auto form = reader(scanner, today);
    if (!form || scanner.Rest().size() >= rest.Rest().size()) continue;
    rest = scanner;
    date = !form->read.refusal;
  }
  return date && !TakeNumber(rest);
}

// Why no form reads text: a date in quotes, a character that shows
// nothing or passes for another, a date with other text after it, or no
// reason.
DateRead WhyNot(std::u16string_view text, const ReadOptions& options) {
  for (const auto& [open, close] : kQuotes) {
    DateRead inside;
    if (text.size() > 2 && text.front() == open && text.back() == close &&
        ReadForm(Trimmed(text.substr(1, text.size() - 2)), options, inside)) {
      return Refused(Refusal::Quoted);
    }
  }
  const auto stray = std::find_if(text.begin(), text.end(), IsStray);
  if (stray == text.end()) {
    return Refused(DateThenText(text, options.today) ? Refusal::TextAfterDate : Refusal::NotADate);
  }
  DateRead read = Refused(Refusal::StrayCharacter);
  read.character = *stray;
  return read;
}

// Everything but the plain line, kept out of line so that the plain line's
// path stays short.
[[gnu::noinline]] DateRead ReadForms(std::u16string_view text, const ReadOptions& options) {
  const std::u16string_view trimmed = Trimmed(text);
  if (trimmed.empty()) return Refused(Refusal::Empty);
  if (const auto days = KeywordDays(trimmed)) return DaysFromToday(options.today, *days);
  DateRead read;
  if (ReadForm(trimmed, options, read)) return read;
  return WhyNot(trimmed, options);
}

}  // namespace

DateRead ReadDate(const std::u16string& text, const ReadOptions& options) {
  if (options.windowLanguage) return WindowDate(text, options.today);
  // The usual batch line, "2024/3/15", is none of the forms below: it goes
  // straight to the date language's fast path.
  DateParts plain;
  if (ReadPlainDate(text, plain)) return Found(plain);
  return ReadForms(text, options);
}

bool ReadPlainLine(std::string_view bytes, const ReadOptions& options, DateParts& date) {
  return !options.windowLanguage && ReadPlainDate(bytes, date);
}

}  // namespace kalvenor::reader
