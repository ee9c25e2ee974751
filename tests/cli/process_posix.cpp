// Spawns the program with files for its three streams; today is fixed with
// libfaketime (the program's C library is linked dynamically for it).
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "process.h"

namespace kalvenor::testing {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string ReadAll(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c; (c = std::getc(file)) != EOF;) text += static_cast<char>(c);
  return text;
}

// The locale comes from each case; ASAN_OPTIONS and TZ are set below.
bool IsReplaced(const char* entry) {
  for (const char* name :
       {"LC_ALL=", "LC_MESSAGES=", "LANG=", "LANGUAGE=", "ASAN_OPTIONS=", "TZ="}) {
    if (std::strncmp(entry, name, std::strlen(name)) == 0) return true;
  }
  return false;
}

std::vector<std::string> Environment(const Process& process) {
  std::vector<std::string> all;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!IsReplaced(*entry)) all.emplace_back(*entry);
  }
  // A fixed time zone; ASan told not to insist on coming first, since
  // faketime's library is preloaded ahead of it in the sanitizer build.
  const char* asan = std::getenv("ASAN_OPTIONS");
  all.push_back("ASAN_OPTIONS=verify_asan_link_order=0:" + std::string(asan ? asan : ""));
  all.emplace_back("TZ=UTC");
  all.insert(all.end(), process.environment.begin(), process.environment.end());
  if (!process.today.empty()) {
    all.push_back("FAKETIME=@" + process.today + " 12:00:00");
    all.emplace_back("LD_PRELOAD=" KALVENOR_FAKETIME_LIB);
  }
  return all;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

bool CanStart(const Process&) { return true; }

Finished Start(const Process& process) {
  const File in(std::tmpfile(), &std::fclose), out(std::tmpfile(), &std::fclose),
      err(std::tmpfile(), &std::fclose);
  std::fwrite(process.input.data(), 1, process.input.size(), in.get());
  std::fflush(in.get());
  std::rewind(in.get());
  std::vector<std::string> args = process.args, environment = Environment(process);
  const std::vector<char*> argv = Pointers(args), envp = Pointers(environment);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd = 0; std::FILE * file : {in.get(), out.get(), err.get()}) {
    posix_spawn_file_actions_adddup2(&actions, fileno(file), fd++);
  }
  pid_t pid = 0;
  int status = 0;
  Finished finished;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0 || waitpid(pid, &status, 0) != pid) return finished;
  finished.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  finished.out = ReadAll(out.get());
  finished.err = ReadAll(err.get());
  return finished;
}

}  // namespace kalvenor::testing
