// Twips and pixels: 1440 twips to the inch, so 15 twips to the pixel at
// 96 DPI. The only place the two meet.
#pragma once

#include <cmath>

#include "ui/toolkit.h"

namespace kalvenor::ui {

inline constexpr int kBaseDpi = 96;
inline constexpr double kTwipsPerInch = 1440;

// Nearest whole pixel at the DPI.
inline int ToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

inline Twips ToTwips(int pixels, int dpi) {
  return static_cast<Twips>(std::lround(pixels * kTwipsPerInch / dpi));
}

}  // namespace kalvenor::ui
