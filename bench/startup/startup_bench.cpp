// Times whole processes from start until their window is shown and the
// event loop idle (the benchmark builds of both quit right there),
// on the offscreen platform, and reads each one's peak resident memory from
// wait4. Runs the programs alternately so drifts in the machine's load hit
// both alike, and prints medians and the ratios to the first program.
// With --via, each program is started through LAUNCHER (wine for the
// Windows builds), whose own start is then part of every figure.
//
//   startup_bench [--via LAUNCHER] RUNS FLOOR PROGRAM...
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double milliseconds;
  long peakKib;
};

struct Program {
  std::string path;
  std::vector<Run> runs;
};

// One start of program, through launcher unless it is empty, its output
// discarded; exits on any failure, since a program that did not start
// cleanly has no start-up time.
Run StartOnce(const std::string& launcher, const std::string& path) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  if (!launcher.empty()) argv.push_back(const_cast<char*>(launcher.c_str()));
  argv.push_back(const_cast<char*>(path.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, argv.front(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  if (error != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "startup_bench: %s did not start and quit cleanly\n", path.c_str());
    std::exit(1);
  }
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  return {elapsed.count(), usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double MedianMilliseconds(const Program& program) {
  std::vector<double> values;
  for (const Run& run : program.runs) values.push_back(run.milliseconds);
  return Median(values);
}

double MedianPeakMib(const Program& program) {
  std::vector<double> values;
  for (const Run& run : program.runs) values.push_back(run.peakKib / 1024.0);
  return Median(values);
}

}  // namespace

int main(int argc, char** argv) {
  std::string launcher;
  int first = 1;
  if (argc > 2 && std::string(argv[1]) == "--via") {
    launcher = argv[2];
    first = 3;
  }
  if (argc - first < 3) {
    std::fputs("usage: startup_bench [--via LAUNCHER] RUNS FLOOR PROGRAM...\n", stderr);
    return 2;
  }
  const int runs = std::atoi(argv[first]);
  std::vector<Program> programs;
  for (int i = first + 1; i < argc; ++i) programs.push_back({argv[i], {}});
  setenv("QT_QPA_PLATFORM", "offscreen", 1);

  for (const Program& program : programs) StartOnce(launcher, program.path);  // warm caches
  for (int run = 0; run < runs; ++run) {
    for (Program& program : programs) program.runs.push_back(StartOnce(launcher, program.path));
  }

  const Program& floor = programs.front();
  const std::string where = launcher.empty() ? "offscreen" : "under " + launcher;
  std::printf("%d runs each, %s; medians\n", runs, where.c_str());
  std::printf("%-28s %10s %10s %8s %8s\n", "program", "wall ms", "peak MiB", "x time", "x memory");
  for (const Program& program : programs) {
    const std::string name = program.path.substr(program.path.rfind('/') + 1);
    std::printf("%-28s %10.1f %10.1f %8.2f %8.2f\n", name.c_str(), MedianMilliseconds(program),
                MedianPeakMib(program), MedianMilliseconds(program) / MedianMilliseconds(floor),
                MedianPeakMib(program) / MedianPeakMib(floor));
  }
  return 0;
}
