// Carries out a parsed command line: the calculations, the "-" stream,
// the messages and the exit status.
#pragma once

#include <cstddef>

#include "cli/arguments.h"

namespace kalvenor::cli {

// How much standard input is read and how much output gathered at a time.
struct BlockSizes {
  std::size_t read = 1 << 20;
  std::size_t write = 1 << 20;
};

// Returns the exit status: 0, or 1 when any input could not be calculated
// or a stream failed. The first failed write ends the run at once.
int Run(const Invocation& invocation, const BlockSizes& blocks = {});

}  // namespace kalvenor::cli
