// Runs the built kalvenor-cli as a user's shell would, with the clock set
// by libfaketime.
#pragma once

#include <string>
#include <vector>

namespace clitest {

inline constexpr const char* kToday = "1999-04-20";

struct CliCall {
  std::vector<std::string> args{};
  std::string input{};         // standard input
  std::string today = kToday;  // the day the clock shows, YYYY-MM-DD
  std::string stdoutPath{};    // a file to write stdout to instead
};

struct CliResult {
  int status = -1;  // exit status, or 128 + the signal that ended it
  std::string out;
  std::string err;
};

CliResult RunCli(const CliCall& call);

// The lines of an output, without their "\n".
std::vector<std::string> Lines(const std::string& text);

}  // namespace clitest
