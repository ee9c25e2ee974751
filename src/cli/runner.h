// Carries out a parsed command line: the calculations, the "-" stream,
// the messages and the exit status.
#pragma once

#include <cstddef>

#include "calendar/gregorian.h"
#include "cli/arguments.h"

namespace kalvenor::cli {

// How much standard input is read and how much output gathered at a time.
struct BlockSizes {
  std::size_t read = 1 << 20;
  std::size_t write = 1 << 20;
};

// Returns the exit status: 0, or 1 when any input could not be calculated
// or a stream failed. The first failed write ends the run at once. Every
// date is read against today, one day for the whole run: a batch that runs
// across midnight reads every line against the same day.
int Run(const Invocation& invocation, const DateParts& today, const BlockSizes& blocks = {});

}  // namespace kalvenor::cli
