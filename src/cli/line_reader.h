// Standard input, line by line, in large reads.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kalvenor::cli {

class LineReader {
 public:
  // Reads blockBytes at a time (at least 1).
  LineReader(std::FILE* input, std::size_t blockBytes);

  // The next line without its "\n" or "\r\n", valid until the next call; a
  // last line without a line end counts too. False at the end of input or
  // on a read error (see Failed).
  bool Next(std::string_view& line);

  bool Failed() const;

 private:
  // Reads the next block; false when nothing more comes.
  bool Refill();

  std::FILE* input_;
  std::vector<char> block_;
  std::size_t begin_ = 0;  // the unread part of block_ is [begin_, end_)
  std::size_t end_ = 0;
  // A line that runs across blocks is gathered here; any length is fine.
  std::string straddling_;
  bool returnedStraddling_ = false;
};

}  // namespace kalvenor::cli
