#include "text/full_width.h"

namespace kalvenor::text {
namespace {

constexpr char16_t kIdeographicSpace = 0x3000;
constexpr char16_t kFirstFullWidth = 0xFF01;  // "！", the twin of "!"
constexpr char16_t kLastFullWidth = 0xFF5E;   // "～", the twin of "~"
constexpr char16_t kFullWidthShift = kFirstFullWidth - u'!';

}  // namespace

void FoldFullWidth(std::u16string& text) {
  for (char16_t& c : text) {
    if (c >= kFirstFullWidth && c <= kLastFullWidth) {
      c = static_cast<char16_t>(c - kFullWidthShift);
    } else if (c == kIdeographicSpace) {
      c = u' ';
    }
  }
}

}  // namespace kalvenor::text
