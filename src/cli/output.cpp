#include "cli/output.h"

namespace cli {
namespace {

constexpr std::size_t kFlushBytes = 1 << 20;

}  // namespace

Output::Output(std::FILE* stream) : stream_(stream) { buffer_.reserve(kFlushBytes + 4096); }

Output::~Output() { Flush(); }

void Output::EndLine() {
  buffer_ += '\n';
  if (buffer_.size() >= kFlushBytes) Flush();
}

bool Output::Flush() {
  if (!buffer_.empty() &&
      std::fwrite(buffer_.data(), 1, buffer_.size(), stream_) != buffer_.size()) {
    failed_ = true;
  }
  buffer_.clear();
  if (std::fflush(stream_) != 0) failed_ = true;
  return !failed_;
}

}  // namespace cli
