#include "numeric/checked.h"

#include <cmath>
#include <limits>

namespace checked {

std::int16_t Int16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError();
  }
  return static_cast<std::int16_t>(value);
}

std::int32_t Int32(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    throw OverflowError();
  }
  return static_cast<std::int32_t>(value);
}

std::int32_t RoundToInt32(double value) {
  // nearbyint rounds halves to even under the default rounding mode; the
  // range test is on the rounded value, so 2147483647.4 still fits.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
    throw OverflowError();
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace checked
