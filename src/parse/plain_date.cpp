#include "parse/plain_date.h"

#include <cstdint>
#include <optional>

#include "numeric/checked.h"

namespace kalvenor {
namespace {

// The value of the least..most ASCII digits at text[at...], at moved past
// them; -1 for fewer or more.
template <typename Char>
int ReadDigits(std::basic_string_view<Char> text, std::size_t& at, std::size_t least,
               std::size_t most) {
  const std::size_t first = at;
  int value = 0;  // [0, 99999]
  for (unsigned digit = 0; at < text.size() && (digit = text[at] - Char{'0'}) <= 9; ++at) {
    if (at - first == most) return -1;
    value = value * 10 + static_cast<int>(digit);
  }
  return at - first >= least ? value : -1;
}

// Whether text[at] is a slash, at moved past it.
template <typename Char>
bool ReadSlash(std::basic_string_view<Char> text, std::size_t& at) {
  return at < text.size() && text[at++] == Char{'/'};
}

template <typename Char>
bool ReadPlain(std::basic_string_view<Char> text, DateParts& date) {
  // Years of one or two digits take the two-digit rule ("5" is 2005, "05"
  // the year 5), so they stay with the general path.
  std::size_t at = 0;
  const int year = ReadDigits(text, at, 3, 5);
  if (year < 0 || !ReadSlash(text, at)) return false;
  const int month = ReadDigits(text, at, 1, 2);
  if (month < 0 || !ReadSlash(text, at)) return false;
  const int day = ReadDigits(text, at, 1, 2);
  const std::optional<std::int16_t> year16 = checked::TryInt16(year);
  if (day < 0 || at != text.size() || !year16) return false;
  const DateParts read{*year16, static_cast<std::int16_t>(month), static_cast<std::int16_t>(day)};
  if (!read.IsValid()) return false;
  date = read;
  return true;
}

}  // namespace

bool ReadPlainDate(std::u16string_view text, DateParts& date) { return ReadPlain(text, date); }

bool ReadPlainDate(std::string_view bytes, DateParts& date) { return ReadPlain(bytes, date); }

}  // namespace kalvenor
