// CP932 through iconv (glibc's converter tables).
#include <iconv.h>

#include <cerrno>

#include "cli/encoding.h"

namespace kalvenor::cli {
namespace {

// One conversion descriptor per direction, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (handle_ != kFailed) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Appends the conversion of bytes to out. An input sequence the target
  // cannot hold is replaced by replacement when given (skipping one UTF-8
  // character); otherwise the conversion fails and out is left as it was.
  bool Convert(std::string_view bytes, std::string& out, const char* replacement) {
    if (handle_ == kFailed) return false;
    const std::size_t start = out.size();
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[1024];
    while (inLeft > 0) {
      char* next = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t done = iconv(handle_, &in, &inLeft, &next, &outLeft);
      out.append(buffer, next);
      if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      if (replacement == nullptr) {
        out.resize(start);
        return false;
      }
      out += replacement;
      do {  // past the lead byte and its continuation bytes
        ++in;
        --inLeft;
      } while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
    }
    return true;
  }

 private:
  // iconv_open's failure value, as its manual gives it.
  static inline const iconv_t kFailed =
      reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
  iconv_t handle_;
};

}  // namespace

bool Cp932ToUtf8(std::string_view bytes, std::string& out) {
  static Converter converter("UTF-8", "CP932");
  return converter.Convert(bytes, out, nullptr);
}

void Utf8ToCp932(std::string_view utf8, std::string& out) {
  static Converter converter("CP932", "UTF-8");
  converter.Convert(utf8, out, "?");
}

}  // namespace kalvenor::cli
