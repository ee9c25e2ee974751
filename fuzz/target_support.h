// What every fuzz target shares: a fixed today, so a finding replays the
// same way on any day, and the abort that reports a broken property.
#pragma once

#include <cstdlib>

#include "parse/clock.h"
#include "parse/date_parser.h"

namespace fuzz {

// Pins today to Tuesday 1999-04-20, once per process.
inline void FixToday() {
  static const bool fixed = [] {
    ymd::SetTodayTextForTesting(u"1999/04/20");
    ymd::ResetTodayCache();
    return true;
  }();
  (void)fixed;
}

// A property that does not hold is a finding, like a crash.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace fuzz
