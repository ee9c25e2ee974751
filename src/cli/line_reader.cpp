#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>

namespace kalvenor::cli {
namespace {

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

LineReader::LineReader(std::FILE* input, std::size_t blockBytes, Encoding encoding)
    : input_(input), block_(blockBytes > 0 ? blockBytes : 1), encoding_(encoding) {
  // Without a mark, little-endian: what Windows writes.
  if (encoding == Encoding::Utf16) utf16_.emplace(false);
}

bool LineReader::Next(std::string_view& line, bool& tooLong) {
  if (returnedStraddling_) {
    straddling_.clear();
    straddlingTooLong_ = false;
    returnedStraddling_ = false;
  }
  const char* data = utf16_ ? decoded_.data() : block_.data();
  for (;;) {
    const char* begin = data + begin_;
    const std::size_t available = end_ - begin_;
    const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', available));
    const std::size_t length = newline != nullptr ? newline - begin : available;
    const std::size_t room = kLongestLine + 1 - straddling_.size();  // the +1 for a CR
    if (newline != nullptr && straddling_.empty()) {
      begin_ += length + 1;
      line = WithoutCarriageReturn({begin, length});
      tooLong = line.size() > kLongestLine;
      if (tooLong) line = line.substr(0, kLongestLine);
      return true;
    }
    straddlingTooLong_ = straddlingTooLong_ || length > room;
    straddling_.append(begin, std::min(length, room));
    begin_ += length + (newline != nullptr ? 1 : 0);
    if (newline != nullptr) break;
    if (!Refill()) {
      if (straddling_.empty()) return false;
      break;
    }
    data = utf16_ ? decoded_.data() : block_.data();
  }
  returnedStraddling_ = true;
  line = WithoutCarriageReturn(straddling_);
  tooLong = straddlingTooLong_ || line.size() > kLongestLine;
  if (tooLong) line = line.substr(0, kLongestLine);
  return true;
}

bool LineReader::ReadBlock() {
  begin_ = 0;
  end_ = std::fread(block_.data(), 1, block_.size(), input_);
  if (end_ == 0 && std::ferror(input_) != 0) error_ = errno != 0 ? errno : EIO;
  return end_ > 0;
}

bool LineReader::Refill() {
  do {
    if (!ReadBlock()) return false;
    std::string_view bytes(block_.data(), end_);
    if (!started_) {
      started_ = true;
      // A UTF-16 byte-order mark says which; a UTF-8 one is dropped later,
      // with the line it starts.
      const bool mayBeUtf16 = encoding_ == Encoding::Auto || encoding_ == Encoding::Utf16;
      if (mayBeUtf16 && (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))) {
        utf16_.emplace(bytes[0] == '\xFE');
        bytes.remove_prefix(2);
      }
    }
    if (!utf16_) return true;
    decoded_.clear();
    utf16_->Decode(bytes, decoded_);
    begin_ = 0;
    end_ = decoded_.size();
  } while (end_ == 0);  // a piece too short to complete a character
  return true;
}

}  // namespace kalvenor::cli
