// Today's local date: the one seam through which the program reads the
// clock. Production code asks Today(); a test puts a clock of its own in
// force for a scope.
//
//   {
//     kalvenor::ScopedToday pinned(kalvenor::DateParts{1999, 4, 20});
//     ...                      // Today() is 1999-04-20 here
//   }                          // and the previous clock again here
//
// A Clock may also step on between calls, to test what happens when the
// date changes while the program runs (see the parser's reference day).
#pragma once

#include <functional>

#include "calendar/gregorian.h"

namespace kalvenor {

// Today's local date from the clock in force: the system clock unless a
// ScopedToday says otherwise.
DateParts Today();

using Clock = std::function<DateParts()>;

// Puts a clock in force until the end of the scope, then restores the one
// before it; overrides nest. Not thread-safe: tests set it on the thread
// that parses.
class ScopedToday {
 public:
  explicit ScopedToday(DateParts fixed);
  explicit ScopedToday(Clock clock);
  ~ScopedToday();
  ScopedToday(const ScopedToday&) = delete;
  ScopedToday& operator=(const ScopedToday&) = delete;

 private:
  Clock previous_;
};

}  // namespace kalvenor
