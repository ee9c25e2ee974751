// Standard input, line by line, in large reads.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/encoding.h"

namespace kalvenor::cli {

class LineReader {
 public:
  // No line is longer: a date or a day count is far shorter, and a longer
  // line is refused without being held whole.
  static constexpr std::size_t kLongestLine = 4096;

  // Reads blockBytes at a time (at least 1). A UTF-16 stream's lines come
  // out as UTF-8: with Utf16, or with Auto when the stream begins with a
  // UTF-16 byte-order mark. Other encodings are the caller's to convert.
  LineReader(std::FILE* input, std::size_t blockBytes, Encoding encoding = Encoding::Auto);

  // The next line without its "\n" or "\r\n", valid until the next call; a
  // last line without a line end counts too. A line longer than
  // kLongestLine comes as its first kLongestLine bytes with tooLong set.
  // False at the end of input or on a read error (see Error).
  bool Next(std::string_view& line, bool& tooLong);

  // The errno of a failed read, or 0.
  int Error() const { return error_; }

 private:
  // Reads the next block; false when nothing more comes.
  bool Refill();
  bool ReadBlock();

  std::FILE* input_;
  std::vector<char> block_;
  std::size_t begin_ = 0;  // the unread part of block_ is [begin_, end_)
  std::size_t end_ = 0;
  bool started_ = false;
  Encoding encoding_;
  std::optional<Utf16Decoder> utf16_;
  std::string decoded_;  // a UTF-16 block as UTF-8
  // A line that runs across blocks is gathered here, up to kLongestLine.
  std::string straddling_;
  bool straddlingTooLong_ = false;
  bool returnedStraddling_ = false;
  int error_ = 0;
};

}  // namespace kalvenor::cli
