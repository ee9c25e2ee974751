#include "cli/output.h"

namespace kalvenor::cli {

Output::Output(std::FILE* stream, std::size_t flushBytes)
    : stream_(stream), flushBytes_(flushBytes) {
  buffer_.reserve(flushBytes + 4096);
}

Output::~Output() { (void)Flush(); }

bool Output::EndLine() {
  buffer_ += '\n';
  return buffer_.size() < flushBytes_ || Flush();
}

bool Output::Flush() {
  if (!failed_ && !buffer_.empty() &&
      std::fwrite(buffer_.data(), 1, buffer_.size(), stream_) != buffer_.size()) {
    failed_ = true;
  }
  buffer_.clear();
  if (!failed_ && (std::fflush(stream_) != 0 || std::ferror(stream_) != 0)) failed_ = true;
  return !failed_;
}

}  // namespace kalvenor::cli
