// Result lines gathered in a large buffer and written in big blocks: a
// batch of a million lines must not cost a million writes.
#pragma once

#include <cstdio>
#include <string>

namespace cli {

class Output {
 public:
  explicit Output(std::FILE* stream);
  // Writes what is left, so results before an abandoned run are not lost.
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // The line being built; append to it, then call EndLine.
  std::string& Line() { return buffer_; }
  void EndLine();

  // Writes what is buffered; false if the stream refused it at any point.
  bool Flush();

 private:
  std::FILE* stream_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace cli
