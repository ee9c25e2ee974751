// The typed-date language as text: its fields, numbers, era letters and
// day fields, handed as numbers to the rules of date_rules.h. Bad input is
// an ordinary outcome here: a field that does not fit 16 bits comes back as
// no value, and the form gives up with false.
#include "parse/date_parser.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "calendar/date.h"
#include "parse/date_rules.h"
#include "parse/day_field.h"
#include "parse/number.h"
#include "parse/plain_date.h"
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

// What a parse reads besides its text.
struct Context {
  DateParts reference;
  std::span<const Era> eras;
};

// The year of the year field: a number, or an era letter and the era year
// up to a further copy of the letter (HH12 has the empty era year).
Number YearOf(const std::u16string& yearField, std::span<const Era> eras) {
  Number year = ValueOf(yearField);
  const char16_t first = yearField.empty() ? u'\0' : yearField[0];
  if (const Era* era = EraOfLetter(first, eras)) {
    std::u16string eraYear;
    text::GetField(eraYear, yearField, {era->letter, LowerCaseLetter(*era)}, 2);
    year = RoundToInt16(YearOfEraYear(*era, ReadNumber(eraYear)));
  }
  // A leading "0" with more behind it ("05", "00") means the year as written.
  const bool twoDigitRule = yearField == u"0" || first != u'0';
  if (year && twoDigitRule) year = ExpandTwoDigitYear(*year);
  return year;
}

// Each form returns false for no date; the fields read up to that point
// stay in date, which the window shows as they are.
bool ParseFullForm(const std::u16string& yearField, const std::u16string& monthField,
                   const std::u16string& dayField, const Context& context, DateParts& date) {
  const Number day = ValueOf(dayField);
  if (!day || !Store(date.month, ValueOf(monthField)) ||
      !Store(date.year, YearOf(yearField, context.eras))) {
    return false;
  }
  const std::optional<DateParts> full =
      DateOfFields(date.year, date.month, ReadDayField(dayField, *day), context.reference);
  if (full) date = *full;
  return full.has_value();
}

// A completion's date, or for none the fields where its search stopped.
bool Complete(const CompletedDate& completed, DateParts& date) {
  date = completed.date;
  return completed.found;
}

bool ParseMonthDay(const std::u16string& monthField, const std::u16string& dayField,
                   const Context& context, DateParts& date) {
  const Number day = ValueOf(dayField);
  if (!day || !Store(date.month, ValueOf(monthField))) return false;
  return Complete(CompleteMonthDay(date.month, ReadDayField(dayField, *day), context.reference),
                  date);
}

// A text starting with a blank is today.
bool ParseDayOnly(const std::u16string& text, const Context& context, DateParts& date) {
  if (text.empty() || text[0] == u' ') {
    date = context.reference;
    return true;
  }
  const Number day = ValueOf(text);
  return day && Complete(CompleteDay(ReadDayField(text, *day), context.reference), date);
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
  const Context context{*reference, eras};
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
