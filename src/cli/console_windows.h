// The Windows console speaks UTF-16, and kalvenor-cli speaks UTF-8 bytes.
// On a console stream, a relay thread stands between the two: what the
// program writes goes out through WriteConsoleW, so Japanese shows in any
// code page, and what the user types comes in through ReadConsoleW as
// UTF-8. Files and pipes are left alone: bytes in, bytes out.
#pragma once

#include <array>
#include <thread>

namespace kalvenor::cli {

// While it lives, relays the program's standard output and error, those of
// them that are the console, to the console: through one pipe, so the two
// streams show in the order they were written.
class ConsoleOutput {
 public:
  ConsoleOutput();
  // Gives the streams back and waits until everything written is shown.
  ~ConsoleOutput();
  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;

 private:
  std::array<int, 2> saved_{-1, -1};  // fds 1 and 2 as they were, if relayed
  std::thread relay_;
};

// Feeds standard input from the console as UTF-8, if it is a console, and
// says whether it did. The relay reads until the user ends the input
// (Ctrl+Z at the start of a line) and dies with the process if the program
// stops first.
bool RelayConsoleInput();

}  // namespace kalvenor::cli
