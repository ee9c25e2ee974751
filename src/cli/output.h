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
  // Writes whenever flushBytes or more are buffered; with cp932, converted
  // from UTF-8 to CP932 on the way.
  Output(std::FILE* stream, std::size_t flushBytes, bool cp932 = false);
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

  // The errno of the failed write, or 0.
  int Error() const { return error_; }

 private:
  std::FILE* stream_;
  std::size_t flushBytes_;
  bool cp932_;
  std::string buffer_;
  std::string converted_;
  int error_ = 0;
};

}  // namespace kalvenor::cli
