// The typed-date language: full form, month/day and day only, each
// completed from today where fields are left out. Bad input is an ordinary
// outcome here: a field that does not fit 16 bits comes back as no value,
// and the form gives up with false.
#include "parse/date_parser.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "calendar/date.h"
#include "numeric/checked.h"
#include "parse/day_markers.h"
#include "parse/number.h"
#include "parse/plain_date.h"
#include "parse/weekday_day.h"
#include "text/fields.h"

namespace kalvenor {
namespace {

using Number = std::optional<std::int16_t>;

// Positions in a text are 16-bit, as in the field helpers.
constexpr std::size_t kLongestText = std::numeric_limits<std::int16_t>::max();

// The day the forms that leave fields out complete from: today as a valid
// date, or nothing when today lies outside the calendar.
std::optional<DateParts> ReferenceDay(const DateParts& today) {
  try {
    return DateOf(SerialOf(today));
  } catch (const OutsideCalendarError&) {
    return std::nullopt;
  }
}

Number ValueOf(const std::u16string& field) { return RoundToInt16(ReadNumber(field)); }

// Stores a value that fit; false, with the field left alone, for one that
// did not.
bool Store(std::int16_t& field, Number value) {
  if (value) field = *value;
  return value.has_value();
}

bool AsksForMonthEnd(const std::u16string& dayField) {
  return !dayField.empty() && (dayField[0] == u'E' || dayField[0] == u'e');
}

// The day of the full and day-only forms: "E" stands in as kDayEndOfMonth
// until the final validation.
Number DayOf(const std::u16string& dayField) {
  return AsksForMonthEnd(dayField) ? Number(kDayEndOfMonth) : ValueOf(dayField);
}

// What a parse reads besides its text.
struct Context {
  DateParts today;
  DateParts reference;
  std::span<const Era> eras;
};

// The year of the year field: a number, or an era letter and the era year
// up to a further copy of the letter (HH12 has the empty era year).
Number YearOf(const std::u16string& yearField, std::span<const Era> eras) {
  Number year = ValueOf(yearField);
  const char16_t first = yearField.empty() ? u'\0' : yearField[0];
  for (const Era& era : eras) {
    const char16_t lower = era.letter - u'A' + u'a';
    if (first != era.letter && first != lower) continue;
    std::u16string eraYear;
    text::GetField(eraYear, yearField, {era.letter, lower}, 2);
    year = RoundToInt16(ReadNumber(eraYear) + era.offset);
  }
  // Two-digit years: 0..51 are 2000s, 52..99 1900s. A leading "0" with more
  // behind it ("05", "00") means the year as written.
  const bool twoDigitRule = yearField == u"0" || yearField.empty() || yearField[0] != u'0';
  if (year && twoDigitRule && *year < 100) {
    year = static_cast<std::int16_t>(*year + (*year <= 51 ? 2000 : 1900));  // [-30768, 2051]
  }
  return year;
}

// The checks every form ends with; an "E" day becomes the month's length.
void Validate(DateParts& date, const std::u16string& dayField) {
  if (AsksForMonthEnd(dayField)) date.day = kDayPastMonthEnd;
  if (date.month < 1 || date.month > 12) {
    date.day = kDayInvalid;
    return;
  }
  const std::int16_t length = DaysInMonth(date.year, date.month);
  if (date.day == kDayPastMonthEnd) date.day = length;
  if (date.day < 1 || date.day > length) date.day = kDayInvalid;
}

// Each form returns false for no date; the fields read up to that point
// stay in date, which the window shows as they are.
bool ParseFullForm(const std::u16string& yearField, const std::u16string& monthField,
                   const std::u16string& dayField, const Context& context, DateParts& date) {
  if (!Store(date.day, DayOf(dayField)) || !Store(date.month, ValueOf(monthField)) ||
      !Store(date.year, YearOf(yearField, context.eras))) {
    return false;
  }
  ResolveWeekdayDay(date, dayField, context.today);
  // The full form never moves on to another month or year.
  if (date.day == kDayInvalid || date.day == kDayPastMonthEnd) return false;
  Validate(date, dayField);
  return true;
}

// The first of six years from the reference year in which month/day exists
// and is not before the reference day.
bool ParseMonthDay(const std::u16string& monthField, const std::u16string& dayField,
                   const Context& context, DateParts& date) {
  const DateParts& reference = context.reference;
  if (!Store(date.day, ValueOf(dayField)) || !Store(date.month, ValueOf(monthField))) {
    return false;
  }
  date.year = reference.year;
  const bool monthEnd = AsksForMonthEnd(dayField);
  if (monthEnd) date.day = DaysInMonth(date.year, date.month);
  // Wide, so that no typed month or day can overflow the comparison.
  const std::int64_t referenceKey = reference.month * 31LL + reference.day;
  for (int count = 0; count <= 5; ++count) {
    ResolveWeekdayDay(date, dayField, context.today);
    if (date.day == kDayInvalid) return false;
    const bool notBefore = date.month * 31LL + date.day >= referenceKey;
    if ((notBefore || count > 0) && date.day <= DaysInMonth(date.year, date.month) &&
        date.day != kDayPastMonthEnd) {
      break;
    }
    if (!Store(date.year, checked::TryInt16(date.year + 1))) return false;
    if (monthEnd) date.day = DaysInMonth(date.year, date.month);
  }
  if (date.day == kDayPastMonthEnd) return false;
  Validate(date, dayField);
  return true;
}

// The first of a hundred months from the reference month that holds the
// day, not before the reference day. A text starting with a blank is today.
bool ParseDayOnly(const std::u16string& text, const Context& context, DateParts& date) {
  const DateParts& reference = context.reference;
  if (text.empty() || text[0] == u' ') {
    date = reference;
    return true;
  }
  if (!Store(date.day, DayOf(text))) return false;
  date.month = reference.month;
  date.year = reference.year;
  for (int count = 0; count <= 99; ++count) {
    ResolveWeekdayDay(date, text, context.today);
    if (date.day == kDayInvalid) return false;
    if ((date.day >= reference.day || count > 0) && date.day != kDayPastMonthEnd) {
      break;
    }
    if (++date.month > 12) {
      date.month = 1;
      if (!Store(date.year, checked::TryInt16(date.year + 1))) return false;
    }
  }
  if (date.day == kDayPastMonthEnd) return false;
  Validate(date, text);
  return true;
}

struct Fields {
  std::u16string first, second, third;
  int count = 1;  // [1, 3]
};

// The "/" fields of text, in one pass; false for a fourth field, even an
// empty one after a trailing "/".
bool SplitFields(const std::u16string& text, Fields& fields) {
  std::u16string* const slots[] = {&fields.first, &fields.second, &fields.third};
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(u'/', start)) != text.npos; start = at + 1) {
    if (fields.count == 3) return false;
    slots[fields.count - 1]->assign(text, start, at - start);
    ++fields.count;
  }
  slots[fields.count - 1]->assign(text, start);
  return true;
}

bool Parse(const std::u16string& text, const DateParts& today, std::span<const Era> eras,
           DateParts& date) {
  // A plain date ("2024/3/15") needs no today, and batch work reads
  // millions of them.
  if (ReadPlainDate(text, date)) return true;
  const std::optional<DateParts> reference = ReferenceDay(today);
  if (!reference) return false;
  Fields fields;
  if (text.size() > kLongestText || !SplitFields(text, fields)) return false;
  const Context context{today, *reference, eras};
  if (fields.count == 3) {
    return ParseFullForm(fields.first, fields.second, fields.third, context, date);
  }
  if (fields.count == 2) return ParseMonthDay(fields.first, fields.second, context, date);
  return ParseDayOnly(text, context, date);
}

}  // namespace

ParsedDate ParseDate(const std::u16string& text, const DateParts& today, std::span<const Era> eras,
                     const DateParts& start) {
  ParsedDate parsed{std::nullopt, start};
  if (!Parse(text, today, eras, parsed.fields)) parsed.fields.day = kDayInvalid;
  if (parsed.fields.day != kDayInvalid) parsed.date = parsed.fields;
  return parsed;
}

}  // namespace kalvenor
