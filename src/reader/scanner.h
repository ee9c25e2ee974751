// Reads a text from the front, one part at a time, for the date forms of
// kalvenor-cli's reader. Each Take either consumes what it names and says
// true, or consumes nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "reader/operand_text.h"

namespace kalvenor::reader {

// An unsigned decimal number as written: its value and how many digits.
struct Written {
  std::int32_t value = 0;  // [0, 999999]
  int digits = 0;
};

class Scanner {
 public:
  explicit Scanner(std::u16string_view text) : rest_(text) {}

  std::u16string_view Rest() const { return rest_; }
  bool AtEnd() const { return rest_.empty(); }
  char16_t Peek() const { return rest_.empty() ? u'\0' : rest_.front(); }

  void SkipBlanks() {
    while (!rest_.empty() && IsOperandBlank(rest_.front())) rest_.remove_prefix(1);
  }
  // Whether at least one blank was skipped.
  bool TakeBlanks() {
    const std::size_t before = rest_.size();
    SkipBlanks();
    return rest_.size() < before;
  }
  bool Take(char16_t c) {
    if (Peek() != c || rest_.empty()) return false;
    rest_.remove_prefix(1);
    return true;
  }
  // "-" or a look-alike (operand_text.h).
  bool TakeDash() {
    if (rest_.empty() || !IsDash(rest_.front())) return false;
    rest_.remove_prefix(1);
    return true;
  }
  bool Take(std::u16string_view word) {
    if (!rest_.starts_with(word)) return false;
    rest_.remove_prefix(word.size());
    return true;
  }
  // ASCII digits, at most maxDigits of them: nothing when there are none
  // or more.
  std::optional<Written> Digits(int maxDigits = 6) {
    const std::u16string_view start = rest_;
    Written number;
    while (!rest_.empty() && rest_.front() >= u'0' && rest_.front() <= u'9') {
      if (++number.digits > maxDigits) {
        rest_ = start;
        return std::nullopt;
      }
      number.value = number.value * 10 + (rest_.front() - u'0');
      rest_.remove_prefix(1);
    }
    if (number.digits == 0) return std::nullopt;
    return number;
  }
  // Exactly count ASCII digits.
  std::optional<std::int32_t> FixedDigits(int count) {
    const std::u16string_view start = rest_;
    const auto number = Digits(count);
    if (number && number->digits == count) return number->value;
    rest_ = start;
    return std::nullopt;
  }

 private:
  std::u16string_view rest_;
};

}  // namespace kalvenor::reader
