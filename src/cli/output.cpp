#include "cli/output.h"

#include <cerrno>

#include "cli/encoding.h"

namespace kalvenor::cli {

Output::Output(std::FILE* stream, std::size_t flushBytes, bool cp932)
    : stream_(stream), flushBytes_(flushBytes), cp932_(cp932) {
  buffer_.reserve(flushBytes + 4096);
}

Output::~Output() { (void)Flush(); }

bool Output::EndLine() {
  buffer_ += '\n';
  return buffer_.size() < flushBytes_ || Flush();
}

bool Output::Flush() {
  std::string_view bytes = buffer_;
  if (cp932_) {
    converted_.clear();
    Utf8ToCp932(buffer_, converted_);
    bytes = converted_;
  }
  errno = 0;
  if (error_ == 0 && !bytes.empty() &&
      std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
    error_ = errno != 0 ? errno : EIO;
  }
  buffer_.clear();
  if (error_ == 0 && (std::fflush(stream_) != 0 || std::ferror(stream_) != 0)) {
    error_ = errno != 0 ? errno : EIO;
  }
  return error_ == 0;
}

}  // namespace kalvenor::cli
