#include "clock/today.h"

#include <utility>

#include "clock/system_clock.h"

namespace kalvenor {
namespace {

Clock& ClockInForce() {
  static Clock clock = SystemToday;
  return clock;
}

}  // namespace

DateParts Today() { return ClockInForce()(); }

ScopedToday::ScopedToday(DateParts fixed) : ScopedToday(Clock([fixed] { return fixed; })) {}

ScopedToday::ScopedToday(Clock clock)
    : previous_(std::exchange(ClockInForce(), std::move(clock))) {}

ScopedToday::~ScopedToday() { ClockInForce() = std::move(previous_); }

}  // namespace kalvenor
