// What an operand or stream line means as a date. kalvenor-cli is strict:
// a text is a date only when it matches one of these forms as a whole,
// with blanks allowed around it, after an era and around separators:
//   2026/12/7  r8/12/7  令和8/12/7  12/31  25  E  月2   slash dates (separated_date.h)
//   R8.12.7  2026.12.07                            dot dates
//   2026-12-07  -0005-01-01  20261207              ISO and compact dates (iso_date.h)
//   令和8年12月7日  二〇二六年十二月七日  12月31日     kanji dates (kanji_date.h)
//   today 今日 本日  yesterday 昨日  tomorrow 明日    keywords, in any case
// followed by the date's weekday and a time of day, which is dropped
// (date_tail.h). Completion from today, E and the weekday rule are the
// window's. Everything else is refused, the empty text too.
#pragma once

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

enum class Refusal {
  NotADate,
  Empty,         // an empty or blank text
  WrongWeekday,  // a weekday that is not the date's
  OutsideEra,    // with strict: 平成31年5月1日
};

struct DateRead {
  DateParts date;  // the date; with WrongWeekday, the date whose weekday it is not
  std::optional<Refusal> refusal;
};

// The date of text (already decoded and width-folded, see operand_text.h).
DateRead ReadDate(const std::u16string& text, const ReadOptions& options);

// Whether bytes are a plain date (2026/12/7), the usual line of a batch, and
// date what ReadDate reads of it, read straight from the bytes before they
// are decoded; every other text ReadDate reads once decoded.
bool ReadPlainLine(std::string_view bytes, const ReadOptions& options, DateParts& date);

}  // namespace kalvenor::reader
