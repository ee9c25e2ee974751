#include "cli/line_reader.h"

#include <cstring>

namespace kalvenor::cli {
namespace {

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

LineReader::LineReader(std::FILE* input, std::size_t blockBytes)
    : input_(input), block_(blockBytes > 0 ? blockBytes : 1) {}

bool LineReader::Next(std::string_view& line) {
  if (returnedStraddling_) {
    straddling_.clear();
    returnedStraddling_ = false;
  }
  for (;;) {
    const char* begin = block_.data() + begin_;
    const std::size_t available = end_ - begin_;
    if (const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', available))) {
      const std::string_view piece(begin, newline - begin);
      begin_ += piece.size() + 1;
      if (straddling_.empty()) {
        line = WithoutCarriageReturn(piece);
        return true;
      }
      straddling_ += piece;
      break;
    }
    straddling_.append(begin, available);
    if (!Refill()) {
      if (straddling_.empty()) return false;
      break;
    }
  }
  returnedStraddling_ = true;
  line = WithoutCarriageReturn(straddling_);
  return true;
}

bool LineReader::Failed() const { return std::ferror(input_) != 0; }

bool LineReader::Refill() {
  begin_ = 0;
  end_ = std::fread(block_.data(), 1, block_.size(), input_);
  return end_ > 0;
}

}  // namespace kalvenor::cli
