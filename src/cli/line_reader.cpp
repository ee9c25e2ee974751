#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>

#include "cli/input_file.h"
#include "text/utf8.h"

namespace kalvenor::cli {
namespace {

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Without an early exit, so that the loop runs on whole vectors.
bool IsAscii(std::string_view line) {
  unsigned char seen = 0;
  for (const char c : line) seen |= static_cast<unsigned char>(c);
  return seen < 0x80;
}

}  // namespace

LineReader::LineReader(int fd, std::size_t blockBytes, Encoding encoding)
    : fd_(fd), block_(blockBytes > 0 ? blockBytes : 1), encoding_(encoding) {}

bool LineReader::Next(std::string_view& line, bool& tooLong) {
  if (!NextBytes(line, tooLong)) return false;
  line = Decoded(line);
  return true;
}

bool LineReader::NextBytes(std::string_view& line, bool& tooLong) {
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

std::string_view LineReader::Decoded(std::string_view line) {
  if (encoding_ == Encoding::Auto && !allAscii_ && !IsAscii(line)) {
    encoding_ = text::IsUtf8(line) ? Encoding::Utf8 : Encoding::Cp932;
  }
  if (encoding_ != Encoding::Cp932) return line;
  converted_.clear();
  return Cp932ToUtf8(line, converted_) ? std::string_view(converted_) : line;
}

bool LineReader::ReadBlock() {
  begin_ = 0;
  end_ = 0;
  while (!ended_) {
    const long got = ReadSome(fd_, block_.data() + end_, block_.size() - end_);
    if (got <= 0) {
      if (got < 0) error_ = errno != 0 ? errno : EIO;
      ended_ = true;
      break;
    }
    const char* fresh = block_.data() + end_;
    end_ += static_cast<std::size_t>(got);
    // The encoding is found from the whole first line.
    if (started_ || end_ == block_.size() || std::memchr(fresh, '\n', got) != nullptr) break;
  }
  return end_ > 0;
}

void LineReader::FindEncoding(std::string_view& bytes) {
  if (encoding_ != Encoding::Auto && encoding_ != Encoding::Utf16) return;
  std::optional<ByteOrder> order = FindUtf16(bytes);
  // Named without a mark or a NUL to show its order: what Windows writes.
  if (!order && encoding_ == Encoding::Utf16) order = ByteOrder::Little;
  if (!order) return;
  utf16_.emplace(*order);
  encoding_ = Encoding::Utf8;  // what the decoder makes of it
}

bool LineReader::Refill() {
  do {
    if (!ReadBlock()) return false;
    std::string_view bytes(block_.data(), end_);
    if (!started_) {
      started_ = true;
      FindEncoding(bytes);
    }
    if (!utf16_) {
      allAscii_ = allAscii_ && (encoding_ != Encoding::Auto || IsAscii(bytes));
      return true;
    }
    decoded_.clear();
    utf16_->Decode(bytes, decoded_);
    begin_ = 0;
    end_ = decoded_.size();
  } while (end_ == 0);  // a piece too short to complete a character
  return true;
}

}  // namespace kalvenor::cli
