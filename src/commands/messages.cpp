#include "commands/messages.h"

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "calendar/date.h"
#include "calendar/weekday_chars.h"
#include "commands/date_output.h"
#include "commands/translation.h"
#include "holidays/holidays.h"
#include "text/utf8.h"

namespace kalvenor::commands::messages {
namespace {

// Long enough to recognise a line, short enough that a megabyte of input
// still gives a one-line message.
constexpr std::size_t kQuotedBytes = 60;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters that would move the cursor, start a terminal sequence, break
// the line, turn the text's direction or hide in it: C1 controls, the
// soft hyphen, the direction marks, embeddings and isolates, the line and
// paragraph separators, and the zero-width characters (the byte-order mark
// too).
bool ShownAsCodePoint(char32_t c) {
  return (c >= 0x80 && c <= 0x9F) || c == 0xAD || c == 0x061C || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x2069) || c == 0xFEFF;
}

std::string Escape(const char* pattern, unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// The bytes as harmless text: C0 controls and DEL as "?", the characters
// above as "U+XXXX", and a byte that is not UTF-8 as "\xNN". Decoding
// marks each such byte U+FFFD; a U+FFFD that was typed shows as itself.
std::string Harmless(std::string_view bytes) {
  const std::u16string text = text::FromUtf8(bytes);
  std::string out;
  std::size_t at = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t units = (text[i] >= 0xD800 && text[i] <= 0xDBFF) ? 2 : 1;
    const std::string encoded = text::ToUtf8(std::u16string_view(text).substr(i, units));
    i += units - 1;
    if (!bytes.substr(at).starts_with(encoded)) {  // a stray byte, decoded as U+FFFD
      out += Escape("\\x%02X", static_cast<unsigned char>(bytes[at++]));
      continue;
    }
    at += encoded.size();
    const char32_t c = units == 2 ? 0x10000 : text[i];  // only the BMP needs a look
    if (c < 0x20 || c == 0x7F) {
      out += '?';
    } else if (ShownAsCodePoint(c)) {
      out += Escape("U+%04X", static_cast<unsigned>(c));
    } else {
      out += encoded;
    }
  }
  return out;
}

}  // namespace

std::string_view Tr(std::string_view msgid) { return translation::Translate(msgid); }

// pattern with each "%s" replaced by the next of args.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  const auto* arg = args.begin();
  for (std::size_t at; (at = pattern.find("%s")) != pattern.npos && arg != args.end();) {
    text.append(pattern.substr(0, at)).append(*arg++);
    pattern.remove_prefix(at + 2);
  }
  return text.append(pattern);
}

// The user's text cut short, never inside a UTF-8 sequence, and made
// harmless, so the message stays on one line and shows what was typed.
std::string Quote(std::string_view text) {
  std::size_t length = text.size();
  if (length > kQuotedBytes) {
    length = kQuotedBytes;
    while (length > 0 && IsContinuationByte(text[length])) --length;
  }
  return Harmless(text.substr(0, length)) + (length < text.size() ? "…" : "");
}

std::string Quoted(std::string_view pattern, std::string_view text) {
  return Format(pattern, {Quote(text)});
}

std::string NotADate(std::string_view text) { return Quoted(Tr("'%s' is not a date"), text); }
std::string NotANumber(std::string_view text) {
  return Quoted(Tr("'%s' is not a number of days (such as 10, 2.5, 2w, 3mo or 1y)"), text);
}
std::string NoDate() { return std::string{Tr("no date: write \"today\" for today")}; }
std::string WrongWeekday(std::string_view text, std::string_view date, int weekday) {
  const std::string_view names[] = {Tr("Sunday"),   Tr("Monday"), Tr("Tuesday"), Tr("Wednesday"),
                                    Tr("Thursday"), Tr("Friday"), Tr("Saturday")};
  const std::string kanji = text::ToUtf8(kWeekdayChars.substr(weekday, 1));
  return Format(Tr("'%s': %s is a %s (%s)"), {Quote(text), date, names[weekday], kanji});
}
std::string OutsideEra(std::string_view text, const DateParts& date) {
  std::string inItsEra;
  AppendKanjiDate(date, inItsEra);
  return Format(Tr("'%s' lies outside its era (--strict): %s is %s"),
                {Quote(text), IsoText(date), inItsEra});
}
std::string NoSuchDay(std::string_view text, const DateParts& fields) {
  const std::string_view months[] = {Tr("January"), Tr("February"), Tr("March"),
                                     Tr("April"),   Tr("May"),      Tr("June"),
                                     Tr("July"),    Tr("August"),   Tr("September"),
                                     Tr("October"), Tr("November"), Tr("December")};
  if (fields.month < 1 || fields.month > 12) {
    return Format(Tr("'%s': no such day: there is no month %s"),
                  {Quote(text), std::to_string(fields.month)});
  }
  if (fields.day < 1) {
    return Format(Tr("'%s': no such day: there is no day %s"),
                  {Quote(text), std::to_string(fields.day)});
  }
  if (fields.month == 2 && fields.day == 29) {
    return Format(Tr("'%s': no such day: %s is not a leap year"),
                  {Quote(text), std::to_string(fields.year)});
  }
  return Format(Tr("'%s': no such day: %s has %s days"),
                {Quote(text), months[fields.month - 1],
                 std::to_string(DaysInMonth(fields.year, fields.month))});
}
std::string NoSuchTime(std::string_view text) {
  return Quoted(Tr("'%s': no such time of day"), text);
}
std::string EraNeeded(std::string_view text) {
  return Quoted(Tr("'%s': a year needs its era or four digits, as R8 or 2026"), text);
}
std::string YearsDisagree(std::string_view text, std::int16_t year, std::int16_t other) {
  return Format(Tr("'%s': %s and %s are not the same year"),
                {Quote(text), std::to_string(year), std::to_string(other)});
}
std::string InQuotes(std::string_view text) {
  return Quoted(Tr("'%s': the quotes are not part of the date"), text);
}
std::string TextAfterDate(std::string_view text) {
  return Quoted(Tr("'%s': only a weekday or a time of day may follow the date"), text);
}
std::string StrayCharacter(std::string_view text, char16_t c) {
  std::string shown = Escape("U+%04X", c);
  if (c >= 0x20 && c != 0x7F && !ShownAsCodePoint(c)) {
    shown += " (" + text::ToUtf8(std::u16string_view(&c, 1)) + ")";
  }
  return Format(Tr("'%s': %s cannot be part of a date"), {Quote(text), shown});
}
std::string OutOfRange(std::string_view date, std::string_view days) {
  return Format(Tr("'%s' plus '%s' lies outside %s to %s"),
                {Quote(date), Quote(days), IsoText(DateOf(1)), IsoText(DateOf(kLastSerialDay))});
}
std::string Overflow(std::span<const std::string_view> texts) {
  if (texts.size() == 1) {
    return Quoted(Tr("a number overflowed in the calculation with '%s'"), texts[0]);
  }
  return Format(Tr("a number overflowed in the calculation with '%s' and '%s'"),
                {Quote(texts[0]), Quote(texts[1])});
}
std::string HolidaysUnknown() {
  return Format(Tr("national holidays are known from %s to %s"),
                {IsoText(kFirstHolidayDataDay), IsoText(kLastHolidayDataDay)});
}
std::string BirthAfterDate(std::string_view birth, std::string_view date) {
  return Format(Tr("'%s' is after %s: there is no age before birth"), {Quote(birth), date});
}
std::string NotAYear(std::string_view text) { return Quoted(Tr("'%s' is not a year"), text); }
std::string CannotOpen(std::string_view file) { return Quoted(Tr("cannot open '%s'"), file); }
std::string NotADateInFile(std::string_view file, long long lineNumber, std::string_view text) {
  return Format(Tr("%s, line %s: '%s' is not a date"),
                {Quote(file), std::to_string(lineNumber), Quote(text)});
}

}  // namespace kalvenor::commands::messages
