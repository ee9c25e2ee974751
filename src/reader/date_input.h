// What an operand or stream line means as a date. kalvenor-cli is strict:
// a text is a date only when it matches one of these forms as a whole,
// with blanks allowed around it, after an era and around separators:
//   2026/12/7  r8/12/7  令和8/12/7  12/31  25  E  月2   slash dates (separated_date.h)
//   R8.12.7  2026.12.07                            dot dates
//   2026-12-07  2026-12-7  -0005-01-01  20261207   ISO and compact dates (iso_date.h)
//   令和8年12月7日  二〇二六年十二月七日  12月31日  31日  kanji dates (kanji_date.h)
//   令和8（2026）年12月7日  2026年（令和8年）12月7日     the two years must agree
//   today 今日 本日  yesterday 昨日  tomorrow 明日    keywords, in any case
// followed by the date's weekday and a time of day, which is dropped
// (date_tail.h). Completion from today, E and the weekday rule are the
// window's. A kanji date's year of one to three digits needs its era. The
// look-alikes of "-" and the Unicode spaces count as "-" and a blank, and
// CRs at the end are dropped (operand_text.h). Everything else is refused,
// the empty text too, with the reason when there is one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor::reader {

struct ReadOptions {
  DateParts today;              // the day the run counts from
  bool windowLanguage = false;  // read as the window does: lenient, H S T M, empty is today
  bool strict = false;          // also refuse an era year outside its era
};

// Why a text is no date; DateRead says what the message needs.
enum class Refusal : std::uint8_t {
  NotADate,        // no form matches, for none of the reasons below
  Empty,           // an empty or blank text
  WrongWeekday,    // a weekday that is not the date's (date: the date read)
  OutsideEra,      // with strict: 平成31年5月1日 (date: the date read)
  NoSuchDay,       // 2026/2/29, 2026-13-01, 4/31 (date: the fields as read, not a date)
  NoSuchTime,      // a time of day out of range: 25:00, 午後13時, 9:60
  EraNeeded,       // a kanji date's year of one to three digits and no era: 8年12月7日
  YearsDisagree,   // 令和8（2025）年: date has the era year's year, otherYear the other
  Quoted,          // a date inside quotes: 「2026/12/7」
  StrayCharacter,  // an invisible character or a look-alike of a date's own (character)
  TextAfterDate,   // a date followed by what is no weekday or time: 2026/12/7 会議
};

struct DateRead {
  DateParts date;  // the date; with a refusal, what its comment above says
  std::optional<Refusal> refusal;
  std::int16_t otherYear = 0;  // YearsDisagree: the Western year written beside the era year
  char16_t character = 0;      // StrayCharacter: the first such character
};

// The date of text (already decoded and width-folded, see operand_text.h).
DateRead ReadDate(const std::u16string& text, const ReadOptions& options);

// Whether bytes are a plain date (2026/12/7), the usual line of a batch, and
// date what ReadDate reads of it, read straight from the bytes before they
// are decoded; every other text ReadDate reads once decoded.
bool ReadPlainLine(std::string_view bytes, const ReadOptions& options, DateParts& date);

}  // namespace kalvenor::reader
