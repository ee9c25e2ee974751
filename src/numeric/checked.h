// Checked integer arithmetic.
//
// Years, months, days and text positions are 16-bit and day numbers 32-bit.
// Two kinds of conversion narrow a wide value:
//   - TryInt16 and TryRoundToInt32 give nothing when the value does not fit,
//     for input that may simply be bad (a typed day of 99999);
//   - Int16, Int32 and RoundToInt32 raise the one OverflowError, for the
//     calculations, so the window and the command line catch a single type.
// Arithmetic is done in 64 bits and narrowed here, never before. Inline:
// the day-number conversions run in batch loops.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>

namespace kalvenor::checked {

class OverflowError : public std::overflow_error {
 public:
  OverflowError() : std::overflow_error("overflow") {}
};

// The wide integer as 16 bits, or nothing.
[[nodiscard]] constexpr std::optional<std::int16_t> TryInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

// Narrows a wide integer to 16 bits, or raises OverflowError.
[[nodiscard]] constexpr std::int16_t Int16(std::int64_t value) {
  const std::optional<std::int16_t> narrow = TryInt16(value);
  if (!narrow) throw OverflowError();
  return *narrow;
}

// Narrows a wide integer to 32 bits, or raises OverflowError.
[[nodiscard]] constexpr std::int32_t Int32(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    throw OverflowError();
  }
  return static_cast<std::int32_t>(value);
}

// The nearest integer, an exact half going to the even neighbour (1.5 -> 2,
// 2.5 -> 2); nothing for NaN, infinities and values outside 32 bits.
[[nodiscard]] std::optional<std::int32_t> TryRoundToInt32(double value);

// TryRoundToInt32, raising OverflowError where it gives nothing.
[[nodiscard]] std::int32_t RoundToInt32(double value);

}  // namespace kalvenor::checked
