#include "cli_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

extern char** environ;

namespace clitest {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File TempFile() {
  File file(std::tmpfile(), &std::fclose);
  if (!file) throw std::runtime_error("tmpfile failed");
  return file;
}

std::string ReadAll(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char block[65536];
  std::size_t count;
  while ((count = std::fread(block, 1, sizeof block, file)) > 0) {
    text.append(block, count);
  }
  return text;
}

// The environment of the test, with a fixed time zone, and with ASan told
// not to insist on coming first: faketime's library is preloaded ahead of
// it in the sanitizer build, and both work side by side.
std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> variables;
  std::string asan = "ASAN_OPTIONS=verify_asan_link_order=0";
  for (char** variable = environ; *variable != nullptr; ++variable) {
    const std::string entry = *variable;
    if (entry.starts_with("ASAN_OPTIONS=")) {
      asan += ':';
      asan += entry.substr(std::strlen("ASAN_OPTIONS="));
    } else if (!entry.starts_with("TZ=") && !entry.starts_with("FAKETIME")) {
      variables.push_back(entry);
    }
  }
  variables.push_back(asan);
  variables.emplace_back("TZ=UTC");
  return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

CliResult RunCli(const CliCall& call) {
  File in = TempFile();
  File out = TempFile();
  File err = TempFile();
  std::fwrite(call.input.data(), 1, call.input.size(), in.get());
  std::fflush(in.get());
  std::rewind(in.get());

  std::vector<std::string> argv = {KALVENOR_FAKETIME, call.today + " 12:00:00",
                                   KALVENOR_CLI};
  argv.insert(argv.end(), call.args.begin(), call.args.end());
  std::vector<std::string> env = ChildEnvironment();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fileno(in.get()), 0);
  if (call.stdoutPath.empty()) {
    posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 1);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, call.stdoutPath.c_str(),
                                     O_WRONLY, 0);
  }
  posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), 2);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr,
                                  Pointers(argv).data(), Pointers(env).data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start faketime");

  int wait = 0;
  waitpid(pid, &wait, 0);
  CliResult result;
  result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
  result.out = ReadAll(out.get());
  result.err = ReadAll(err.get());
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

}  // namespace clitest
