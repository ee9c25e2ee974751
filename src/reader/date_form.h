// What the date forms of kalvenor-cli's reader share: the date a form
// read, the era that may begin it, and its fields turned into a date by
// the date language's rules (parse/date_rules.h).
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/eras.h"
#include "calendar/gregorian.h"
#include "parse/date_rules.h"
#include "reader/date_input.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

// An era's first year, as written in place of 1 (平成元年).
inline constexpr char16_t kFirstEraYear = u'元';

// How a time of day may follow a form's date: always after a blank, and
enum class TimeJoin : std::uint8_t {
  AfterBlank,  // only so: 2026/12/7 9:30 (2026/12/79:30 would be unclear)
  AfterT,      // ISO and compact dates, also after "T": 2026-12-07T09:30
  Directly,    // kanji dates, which end in 日, also directly: 12月7日9時30分
};

// What a form read: the date, or, when the text is of the form but no
// date, the reason (NoSuchDay, EraNeeded, YearsDisagree); and how it was
// written.
struct FormDate {
  DateRead read;
  const Era* era = nullptr;  // the era written, if any (--strict checks the year against it)
  TimeJoin time = TimeJoin::AfterBlank;
};

// A form's result, built in the caller's place: copying a FormDate just
// built field by field stalls the processor, on every batch line.
inline std::optional<FormDate> Form(const DateRead& read, const Era* era = nullptr,
                                    TimeJoin time = TimeJoin::AfterBlank) {
  std::optional<FormDate> form(std::in_place);
  form->read = read;
  form->era = era;
  form->time = time;
  return form;
}

// A date read, and a text refused (date as Refusal's comment says).
constexpr DateRead Found(const DateParts& date) { return DateRead{date, std::nullopt}; }
constexpr DateRead Refused(Refusal refusal, const DateParts& date = {}) {
  return DateRead{date, refusal};
}

// An era at the front: its name (令和), its first character (令) or its
// letter in either case; blanks after it are skipped.
const Era* TakeEra(Scanner& scanner);

// A year as written: a number after an era (元 is 1), or after a sign or
// none.
struct WrittenYear {
  const Era* era = nullptr;
  int sign = 0;  // -1, +1, or 0 for none
  Written number;
};

// A written year at the front of scanner: an era and 元 or a number, or
// "-" (or a look-alike), "+" or nothing, blanks, and a number; in ASCII
// digits, or kanji numerals too with kanjiNumerals. Takes what it reads
// even when it is none: its callers put the scanner back or give up.
std::optional<WrittenYear> TakeWrittenYear(Scanner& scanner, bool kanjiNumerals);

// A weekday kanji (日..土) at the front of scanner: its weekday, 0 Sunday.
std::optional<int> TakeWeekdayKanji(Scanner& scanner);

// The year of a written number: in the era when one was given; else taken
// as written when it has a sign (-1 or +1; 0 for none) or three or more
// digits, and by the two-digit rule otherwise. Nothing when it does not fit
// 16 bits.
std::optional<std::int16_t> YearOf(const Era* era, int sign, const Written& number);

// The date of year, month and day as given (DateOfFields; today serves a
// weekday day): NoSuchDay with the fields when a day number or the month
// makes none, NotADate when the month leaves 16 bits or a weekday or E
// finds no day.
DateRead FieldsDate(std::int16_t year, std::int32_t month, const DayField& day,
                    const DateParts& today);
// The same for three numbers; NotADate when the day leaves 16 bits.
DateRead NumberDate(std::int16_t year, std::int32_t month, std::int32_t day);

// A written day number as a day field; nothing for one too large for any.
std::optional<DayField> DayNumber(const Written& day);

// A date whose leading fields were left out, completed from today: the
// month and day, or the day alone when month is nothing. Nothing when day
// is nothing; NoSuchDay with the fields where the search stopped when a
// day number or the month makes no date (31 in April).
std::optional<FormDate> CompletedForm(const std::optional<Written>& month,
                                      const std::optional<DayField>& day, const DateParts& today,
                                      TimeJoin time = TimeJoin::AfterBlank);

}  // namespace kalvenor::reader
