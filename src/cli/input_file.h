// Input as the system hands it over: a read returns what is there, so a
// line written into a pipe or typed at a terminal comes as soon as it is
// complete, while a file fills a whole block.
#pragma once

#include <cstddef>
#include <string>

namespace kalvenor::cli {

inline constexpr int kStandardInput = 0;

// Reads at most size bytes (at least 1) into buffer, waiting only while
// nothing is there: the count, 0 at the end of input, or -1 with errno set.
long ReadSome(int fd, char* buffer, std::size_t size);

bool IsTerminal(int fd);

// A file opened for reading its bytes as they are, closed with the object.
class InputFile {
 public:
  explicit InputFile(const std::string& name);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // -1 when the file could not be opened.
  int Descriptor() const { return fd_; }

 private:
  int fd_;
};

}  // namespace kalvenor::cli
