// The typed-date language: full form, month/day and day only, each
// completed from the reference day (today + offset) where fields are left
// out.
#include "parse/date_parser.h"

#include <cstdint>

#include "clock/today.h"
#include "numeric/checked.h"
#include "parse/number.h"
#include "parse/plain_date.h"
#include "parse/weekday_day.h"
#include "text/fields.h"

namespace ymd {
namespace {

struct TodayCache {
  DateParts today;      // the clock's date when reference was built
  DateParts reference;  // today + lastOffset
  bool built = false;
  std::int16_t lastOffset = 0;
};

TodayCache& Cache() {
  static TodayCache cache;
  return cache;
}

// The reference day, today + offset, rebuilt when the offset or the date
// has changed since the last parse (a window left open over midnight).
const DateParts& ReferenceDay(const DateParts& today, std::int16_t offset) {
  TodayCache& cache = Cache();
  if (!cache.built || cache.lastOffset != offset || cache.today != today) {
    SerialDay serial = checked::Int32(SerialOf(today) + offset);
    // A serial of 0 would turn the conversion round; nothing before
    // 0001-01-01 converts anyway.
    if (serial < 1) throw checked::OverflowError();
    SerialDateConvert(serial, cache.reference);
    cache.today = today;
    cache.built = true;
  }
  cache.lastOffset = offset;
  return cache.reference;
}

std::int16_t ValueOf(const std::u16string& field) { return RoundToInt16(ReadNumber(field)); }

bool AsksForMonthEnd(const std::u16string& dayField) {
  return !dayField.empty() && (dayField[0] == u'E' || dayField[0] == u'e');
}

// What a parse reads besides its text: one today for the whole parse, so
// the reference day and the weekday walk cannot disagree.
struct Context {
  DateParts today;
  DateParts reference;
  std::span<const Era> eras;
};

// The year of the year field: a number, or an era letter and the era year
// up to a further copy of the letter (HH12 has the empty era year).
std::int16_t YearOf(const std::u16string& yearField, std::span<const Era> eras) {
  std::int16_t year = ValueOf(yearField);
  const char16_t first = yearField.empty() ? u'\0' : yearField[0];
  for (const Era& era : eras) {
    const char16_t lower = era.letter - u'A' + u'a';
    if (first != era.letter && first != lower) continue;
    std::u16string eraYear;
    chars::GetField(eraYear, yearField, {era.letter, lower}, 2);
    year = RoundToInt16(ReadNumber(eraYear) + era.offset);
  }
  // Two-digit years: 0..51 are 2000s, 52..99 1900s. A leading "0" with more
  // behind it ("05", "00") means the year as written.
  const bool twoDigitRule = yearField == u"0" || yearField.empty() || yearField[0] != u'0';
  if (twoDigitRule && year < 100) {
    year = checked::Int16(year + (year <= 51 ? 2000 : 1900));
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

void ParseFullForm(const std::u16string& yearField, const std::u16string& monthField,
                   const std::u16string& dayField, const Context& context, DateParts& date) {
  date.day = AsksForMonthEnd(dayField) ? kDayEndOfMonth : ValueOf(dayField);
  date.month = ValueOf(monthField);
  date.year = YearOf(yearField, context.eras);
  ResolveWeekdayDay(date, dayField, context.today);
  if (date.day == kDayInvalid || date.day == kDayPastMonthEnd) {
    date.day = kDayInvalid;
    return;
  }
  Validate(date, dayField);
}

// The first of six years from the reference year in which month/day exists
// and is not before the reference day.
void ParseMonthDay(const std::u16string& monthField, const std::u16string& dayField,
                   const Context& context, DateParts& date) {
  const DateParts& reference = context.reference;
  date.day = ValueOf(dayField);
  date.month = ValueOf(monthField);
  date.year = reference.year;
  const bool monthEnd = AsksForMonthEnd(dayField);
  if (monthEnd) date.day = DaysInMonth(date.year, date.month);
  // Wide, so that no typed month or day can overflow the comparison.
  const std::int64_t referenceKey = reference.month * 31LL + reference.day;
  for (int count = 0; count <= 5; ++count) {
    ResolveWeekdayDay(date, dayField, context.today);
    if (date.day == kDayInvalid) return;
    const bool notBefore = date.month * 31LL + date.day >= referenceKey;
    if ((notBefore || count > 0) && date.day <= DaysInMonth(date.year, date.month) &&
        date.day != kDayPastMonthEnd) {
      break;
    }
    date.year = checked::Int16(date.year + 1);
    if (monthEnd) date.day = DaysInMonth(date.year, date.month);
  }
  if (date.day == kDayPastMonthEnd) {
    date.day = kDayInvalid;
    return;
  }
  Validate(date, dayField);
}

// The first of a hundred months from the reference month that holds the
// day, not before the reference day. A text starting with a blank is today.
void ParseDayOnly(const std::u16string& text, const Context& context, DateParts& date) {
  const DateParts& reference = context.reference;
  if (text.empty() || text[0] == u' ') {
    date = reference;
    return;
  }
  date.day = AsksForMonthEnd(text) ? kDayEndOfMonth : ValueOf(text);
  date.month = reference.month;
  date.year = reference.year;
  for (int count = 0; count <= 99; ++count) {
    ResolveWeekdayDay(date, text, context.today);
    if (date.day == kDayInvalid) return;
    if ((date.day >= reference.day || count > 0) && date.day != kDayPastMonthEnd) {
      break;
    }
    if (++date.month > 12) {
      date.month = 1;
      date.year = checked::Int16(date.year + 1);
    }
  }
  if (date.day == kDayPastMonthEnd) {
    date.day = kDayInvalid;
    return;
  }
  Validate(date, text);
}

struct Fields {
  std::u16string first, second, third;
  int count = 1;  // [1, 3]
};

// The "/" fields of text, in one pass; false for a fourth field, even an
// empty one after a trailing "/". Positions are 16-bit, as in the field
// helpers, so a longer text raises.
bool SplitFields(const std::u16string& text, Fields& fields) {
  checked::Int16(text.size());
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

void Parse(const std::u16string& text, DateParts& date, std::int16_t offset,
           std::span<const Era> eras) {
  const DateParts today = Today();
  const Context context{today, ReferenceDay(today, offset), eras};
  if (ReadPlainDate(text, date)) return;
  Fields fields;
  if (!SplitFields(text, fields)) {
    date.day = kDayInvalid;
  } else if (fields.count == 3) {
    ParseFullForm(fields.first, fields.second, fields.third, context, date);
  } else if (fields.count == 2) {
    ParseMonthDay(fields.first, fields.second, context, date);
  } else {
    ParseDayOnly(text, context, date);
  }
}

}  // namespace

void ParseDateText(const std::u16string& text, DateParts& date, std::int16_t offset,
                   std::span<const Era> eras) {
  try {
    Parse(text, date, offset, eras);
  } catch (const checked::OverflowError&) {
    // A number too big for its 16-bit field is simply not a date.
    date.day = kDayInvalid;
  }
}

void ParseDate(const std::u16string& text, DateParts& date, std::span<const Era> eras) {
  ParseDateText(text, date, 0, eras);
}

}  // namespace ymd
