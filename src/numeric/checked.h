// Checked integer arithmetic.
//
// Years, months, days and text positions are 16-bit and day numbers 32-bit,
// and every value that leaves its width raises the one OverflowError, so the
// window and the command line can catch a single type. Arithmetic is done in
// 64 bits and narrowed here, never before.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace checked {

class OverflowError : public std::overflow_error {
 public:
  OverflowError() : std::overflow_error("overflow") {}
};

// Narrows a wide integer to 16 bits, or raises OverflowError.
std::int16_t Int16(std::int64_t value);

// Narrows a wide integer to 32 bits, or raises OverflowError.
std::int32_t Int32(std::int64_t value);

// Rounds to the nearest integer, an exact half going to the even
// neighbour (1.5 -> 2, 2.5 -> 2); NaN, infinities and values outside the
// 32-bit range raise OverflowError.
std::int32_t RoundToInt32(double value);

}  // namespace checked
