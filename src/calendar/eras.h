// The Japanese eras: the one place for their letters, names, boundaries
// and year offsets. The parser reads an era year back through the same
// rows the display text writes it with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor {

struct Era {
  char16_t letter;            // capital ASCII; the parser takes either case
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

}  // namespace kalvenor
