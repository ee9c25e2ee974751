// Result lines gathered in a large buffer and written in big blocks: a
// batch of a million lines must not cost a million writes. The first write
// that fails ends the output for good, so a run can stop at once.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace kalvenor::cli {

class Output {
 public:
  // Writes whenever flushBytes or more are buffered.
  Output(std::FILE* stream, std::size_t flushBytes);
  // Writes what is left, so results before an abandoned run are not lost.
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // The line being built; append to it, then call EndLine.
  std::string& Line() { return buffer_; }
  // False once a write has failed: nothing more will be written.
  [[nodiscard]] bool EndLine();

  // Writes what is buffered; false if the stream refused it at any point.
  [[nodiscard]] bool Flush();

 private:
  std::FILE* stream_;
  std::size_t flushBytes_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace kalvenor::cli
