// The time from writing a line into kalvenor-cli's standard input, a pipe,
// to reading its answer from its standard output, another pipe: the next
// line is written only once the answer has come, as a program that talks
// to kalvenor-cli line by line would.
// Usage: pipe_latency PATH/TO/kalvenor-cli [lines]   (goal: at most 5 ms)
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kNoAnswerMs = 10'000;

// Reads from fd up to a line end; false if none came in time.
bool ReadLine(int fd, std::string& line) {
  line.clear();
  for (char c = 0; c != '\n';) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, kNoAnswerMs) != 1 || read(fd, &c, 1) != 1) return false;
    line += c;
  }
  return true;
}

double Percentile(std::vector<double> values, double share) {
  std::ranges::sort(values);
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PATH/TO/kalvenor-cli [lines]\n", argv[0]);
    return 2;
  }
  const int lines = argc > 2 ? std::atoi(argv[2]) : 2000;
  int toProgram[2];
  int fromProgram[2];
  if (pipe(toProgram) != 0 || pipe(fromProgram) != 0) return 1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toProgram[0], 0);
  posix_spawn_file_actions_adddup2(&actions, fromProgram[1], 1);
  for (const int fd : {toProgram[0], toProgram[1], fromProgram[0], fromProgram[1]}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }
  char lineBuffered[] = "--line-buffered", iso[] = "--iso", show[] = "show", stdinOperand[] = "-";
  char* args[] = {argv[1], lineBuffered, iso, show, stdinOperand, nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[1], &actions, nullptr, args, environ) != 0) return 1;
  close(toProgram[0]);
  close(fromProgram[1]);

  std::vector<double> micros;
  std::string answer;
  for (int i = 0; i < lines; ++i) {
    // A different date each time: 2000-01-01 and the days after it.
    const std::string line = "2000/1/" + std::to_string(1 + i % 31) + "\n";
    const Clock::time_point written = Clock::now();
    if (write(toProgram[1], line.data(), line.size()) != static_cast<ssize_t>(line.size()) ||
        !ReadLine(fromProgram[0], answer) || answer.size() != 11) {
      std::fprintf(stderr, "line %d: no answer within %d ms\n", i + 1, kNoAnswerMs);
      return 1;
    }
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - written).count());
  }
  close(toProgram[1]);
  int status = 0;
  waitpid(pid, &status, 0);
  const double worst = Percentile(micros, 0.99);
  std::printf(
      "%d lines: write to answer median %.0f us, 99th percentile %.0f us, most %.0f us"
      " (goal: at most 5000 us)\n",
      lines, Percentile(micros, 0.5), worst, Percentile(micros, 1.0));
  return worst <= 5000 ? 0 : 1;
}
