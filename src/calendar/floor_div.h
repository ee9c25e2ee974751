// Division rounded toward minus infinity, for positive divisors.
//
// The calendar counts backwards through year 0 and below with the same
// formulas as forwards; C++ division truncates toward zero, which would bend
// every count at zero.
#pragma once

#include <cstdint>

namespace kalvenor {

constexpr std::int32_t FloorDiv(std::int32_t a, std::int32_t b) {
  const std::int32_t q = a / b;
  return a % b < 0 ? q - 1 : q;
}

// Always in [0, b - 1]; a - b * FloorDiv(a, b) without forming the product,
// which can leave 32 bits near the ends of the range.
constexpr std::int32_t FloorMod(std::int32_t a, std::int32_t b) {
  const std::int32_t r = a % b;
  return r < 0 ? r + b : r;
}

static_assert(FloorDiv(-1, 4) == -1 && FloorDiv(-4, 4) == -1 && FloorDiv(7, 4) == 1);
static_assert(FloorMod(-1, 7) == 6 && FloorMod(-7, 7) == 0);

}  // namespace kalvenor
