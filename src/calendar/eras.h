// The Japanese eras: the one place for their letters, names, boundaries
// and year offsets, and for the rules that read them. The readers take an
// era year back through the same rows the display texts write it with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor {

struct Era {
  char16_t letter;            // capital ASCII; the readers take either case
  std::u16string_view name;   // as written in kanji
  DateParts last_day_before;  // the era begins on the day after this one
  std::int16_t offset;        // era year = year - offset
};

// Newest first: the first era whose boundary a date has passed is its era.
inline constexpr std::array<Era, 5> kEras = {{
    {u'R', u"令和", {2019, 4, 30}, 2018},
    {u'H', u"平成", {1989, 1, 7}, 1988},
    {u'S', u"昭和", {1926, 12, 24}, 1925},
    {u'T', u"大正", {1912, 7, 29}, 1911},
    {u'M', u"明治", {1867, 12, 31}, 1867},
}};

// Newest first, and each era's year 1 is the year of its first day.
constexpr bool ErasAreOrdered() {
  for (std::size_t i = 0; i < kEras.size(); ++i) {
    const SerialDay boundary = SerialOf(kEras[i].last_day_before);
    if (i > 0 && boundary >= SerialOf(kEras[i - 1].last_day_before)) return false;
    SerialDay firstDay = boundary + 1;
    DateParts first;
    SerialDateConvert(firstDay, first);
    if (first.year - kEras[i].offset != 1) return false;
  }
  return true;
}
static_assert(ErasAreOrdered());

// The eras the window knows: H is its newest, and every later date is
// written with H (2020-01-01 is H 32). kalvenor-cli passes kEras instead.
inline constexpr std::span<const Era> kWindowEras = std::span<const Era>(kEras).subspan(1);

constexpr char16_t LowerCaseLetter(const Era& era) { return era.letter - u'A' + u'a'; }

// The era of eras whose letter c is, in either case; nullptr for none.
constexpr const Era* EraOfLetter(char16_t c, std::span<const Era> eras) {
  for (const Era& era : eras) {
    if (c == era.letter || c == LowerCaseLetter(era)) return &era;
  }
  return nullptr;
}

// The year of an era year, in the caller's arithmetic: the window's
// language adds the offset to the number as read, before rounding.
template <typename Number>
constexpr Number YearOfEraYear(const Era& era, Number eraYear) {
  return eraYear + era.offset;
}

// The newest of eras whose boundary the (folded) date has passed; nullptr
// for dates before the oldest era.
constexpr const Era* EraOf(const DateParts& date, std::span<const Era> eras) {
  const SerialDay serial = SerialOf(date);
  for (const Era& era : eras) {
    if (serial > SerialOf(era.last_day_before)) return &era;
  }
  return nullptr;
}

}  // namespace kalvenor
