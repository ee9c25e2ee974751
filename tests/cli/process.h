// Starting the program under test: the one part of the case runner that
// differs between systems (process_posix.cpp here).
#pragma once

#include <string>
#include <vector>

namespace kalvenor::testing {

struct Process {
  std::vector<std::string> args;  // the program first
  // NAME=VALUE to set; the locale variables LC_ALL, LC_MESSAGES, LANG and
  // LANGUAGE are removed before, so a case sees only what it sets.
  std::vector<std::string> environment;
  std::string input;  // standard input, whole
  std::string today;  // YYYY-MM-DD the program must take as today; "" none
};

struct Finished {
  int status = -1;  // exit status, or 128 + the signal that ended it
  std::string out, err;
};

Finished Start(const Process& process);

// False when this system cannot start the program as the case asks (a
// today it cannot fix, say); the case is skipped.
bool CanStart(const Process& process);

}  // namespace kalvenor::testing
