// Standard input or a date file, line by line, as UTF-8.
#pragma once

#include <cstddef>
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

  // Reads the file descriptor fd, at most blockBytes (at least 1) at a
  // time: a file in whole blocks, a pipe or a terminal as its lines come
  // (input_file.h). The lines come out as UTF-8, whatever encoding says:
  // - UTF-16 with Utf16, or with Auto when the first line shows it by a
  //   byte-order mark or NUL bytes (FindUtf16);
  // - CP932 with Cp932, or with Auto from the first line that is neither
  //   ASCII nor UTF-8; bytes that are not CP932 stay as they are, to be
  //   refused;
  // - UTF-8 otherwise.
  LineReader(int fd, std::size_t blockBytes, Encoding encoding);

  // The next line without its "\n" or "\r\n", valid until the next call; a
  // last line without a line end counts too. A line longer than
  // kLongestLine comes as its first kLongestLine bytes with tooLong set.
  // False at the end of input or on a read error (see Error).
  bool Next(std::string_view& line, bool& tooLong);

  // The errno of a failed read, or 0.
  int Error() const { return error_; }

 private:
  // The next line's bytes as read (UTF-16 already decoded).
  bool NextBytes(std::string_view& line, bool& tooLong);
  // Reads the next block; false when nothing more comes.
  bool Refill();
  bool ReadBlock();
  // At the start: whether the input is UTF-16 (bytes loses a byte-order mark).
  void FindEncoding(std::string_view& bytes);
  // A line as UTF-8: a view of line itself, or of converted_.
  std::string_view Decoded(std::string_view line);

  int fd_;
  std::vector<char> block_;
  std::size_t begin_ = 0;  // the unread part of block_ is [begin_, end_)
  std::size_t end_ = 0;
  bool started_ = false;
  bool ended_ = false;  // after the end, a terminal is not read again
  Encoding encoding_;
  // Whether every byte read so far is ASCII: then no line needs a look to
  // find the encoding.
  bool allAscii_ = true;
  std::optional<Utf16Decoder> utf16_;
  std::string decoded_;    // a UTF-16 block as UTF-8
  std::string converted_;  // a CP932 line as UTF-8
  // A line that runs across blocks is gathered here, up to kLongestLine.
  std::string straddling_;
  bool straddlingTooLong_ = false;
  bool returnedStraddling_ = false;
  int error_ = 0;
};

}  // namespace kalvenor::cli
