// Carries out a parsed command line: the calculations, the "-" stream,
// the messages and the exit status.
#pragma once

#include "cli/arguments.h"

namespace cli {

// Returns the exit status: 0, or 1 when any input could not be calculated
// or a stream failed.
int Run(const Invocation& invocation);

}  // namespace cli
