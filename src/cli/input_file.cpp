#include "cli/input_file.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kalvenor::cli {

#ifdef _WIN32
// _read is ReadFile, which on a pipe returns what is there.
long ReadSome(int fd, char* buffer, std::size_t size) {
  return _read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

bool IsTerminal(int fd) { return _isatty(fd) != 0; }

InputFile::InputFile(const std::string& name) : fd_(_open(name.c_str(), _O_RDONLY | _O_BINARY)) {}

InputFile::~InputFile() {
  if (fd_ >= 0) _close(fd_);
}
#else
long ReadSome(int fd, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = read(fd, buffer, std::min<std::size_t>(size, SSIZE_MAX));
    if (got >= 0 || errno != EINTR) return got;
  }
}

bool IsTerminal(int fd) { return isatty(fd) != 0; }

InputFile::InputFile(const std::string& name) : fd_(open(name.c_str(), O_RDONLY | O_CLOEXEC)) {}

InputFile::~InputFile() {
  if (fd_ >= 0) close(fd_);
}
#endif

}  // namespace kalvenor::cli
