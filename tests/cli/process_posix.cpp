// Spawns the program with temporary files for its three streams.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

}  // namespace

void SetVariable(const std::string& name, const char* value) {
  value != nullptr ? setenv(name.c_str(), value, 1) : unsetenv(name.c_str());
}

Finished RunProgram(const std::vector<std::string>& args, const std::string& input) {
  const File in(std::tmpfile(), &std::fclose), out(std::tmpfile(), &std::fclose),
      err(std::tmpfile(), &std::fclose);
  std::fwrite(input.data(), 1, input.size(), in.get());
  std::rewind(in.get());
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd = 0; std::FILE * file : {in.get(), out.get(), err.get()}) {
    posix_spawn_file_actions_adddup2(&actions, fileno(file), fd++);
  }
  pid_t pid = 0;
  int status = 0;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0 || waitpid(pid, &status, 0) != pid) return {};
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), ReadAll(out.get()),
          ReadAll(err.get())};
}

}  // namespace kalvenor::testing
