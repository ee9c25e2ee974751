// Starting the program under test: the one part of the case runner that
// differs between systems (process_posix.cpp here).
#pragma once

#include <string>
#include <vector>

namespace kalvenor::testing {

struct Finished {
  int status = -1;  // exit status, or 128 + the signal that ended it
  std::string out, err;
};

// Runs args (the program first) in this environment, input as its stdin.
Finished RunProgram(const std::vector<std::string>& args, const std::string& input);

// Sets a variable of this process's environment, or with no value removes it.
void SetVariable(const std::string& name, const char* value);

}  // namespace kalvenor::testing
