#include "numeric/checked.h"

#include <cmath>

namespace kalvenor::checked {

std::optional<std::int32_t> TryRoundToInt32(double value) {
  // nearbyint rounds halves to even under the default rounding mode; the
  // range test is on the rounded value, so 2147483647.4 still fits.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

std::int32_t RoundToInt32(double value) {
  const std::optional<std::int32_t> rounded = TryRoundToInt32(value);
  if (!rounded) throw OverflowError();
  return *rounded;
}

}  // namespace kalvenor::checked
