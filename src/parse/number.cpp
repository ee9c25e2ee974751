// The number reader follows the classic BASIC reading rule: blanks anywhere
// are ignored, and the number is whatever prefix of the rest reads as one.
#include "parse/number.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <version>

#include "numeric/checked.h"

namespace kalvenor {
namespace {

// What the reader skips wherever it stands.
bool IsNumberBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Steps through text with the blanks left out.
class Cursor {
 public:
  explicit Cursor(const std::u16string& text) : text_(&text) { SkipBlanks(); }
  char16_t Peek() const { return pos_ < text_->size() ? (*text_)[pos_] : u'\0'; }
  void Next() {
    ++pos_;
    SkipBlanks();
  }
  bool Take(char16_t upper, char16_t lower) {
    if (Peek() != upper && Peek() != lower) return false;
    Next();
    return true;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_->size() && IsNumberBlank((*text_)[pos_])) ++pos_;
  }
  const std::u16string* text_;
  std::size_t pos_ = 0;
};

int DigitValue(char16_t c, int base) {
  int value = base;  // no digit
  if (c >= u'0' && c <= u'9') value = c - u'0';
  if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  return value < base ? value : -1;
}

bool IsDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Appends the decimal digits at the cursor to out; false when there are none.
bool TakeDigits(Cursor& at, std::string& out) {
  const std::size_t before = out.size();
  for (; IsDecimalDigit(at.Peek()); at.Next()) {
    out.push_back(static_cast<char>(at.Peek()));
  }
  return out.size() > before;
}

// &H / &O: the unsigned value of all the digits that follow, in a double,
// so it never wraps: &HFFFF is 65535, too big for a 16-bit field, never -1.
// Very long digit runs end at infinity.
bool ReadRadix(Cursor& at, double& value) {
  at.Next();  // '&'
  int base = 0;
  if (at.Take(u'H', u'h'))
    base = 16;
  else if (at.Take(u'O', u'o'))
    base = 8;
  if (base == 0 || DigitValue(at.Peek(), base) < 0) return false;
  value = 0;
  for (int d; (d = DigitValue(at.Peek(), base)) >= 0; at.Next()) {
    value = value * base + d;
  }
  return true;
}

// The decimal exponent of the first significant digit of whole.fraction
// times 10^exponent, plus one; only its sign matters, to tell an overflow
// from an underflow.
[[maybe_unused]] std::int64_t Magnitude(const std::string& whole, const std::string& fraction,
                                        std::int64_t exponent) {
  const std::size_t wholeStart = whole.find_first_not_of('0');
  if (wholeStart != std::string::npos) {
    return exponent + static_cast<std::int64_t>(whole.size() - wholeStart);
  }
  const std::size_t fractionStart = fraction.find_first_not_of('0');
  return exponent - static_cast<std::int64_t>(fractionStart);
}

// The exponent digits, held at a ceiling far beyond any double so that a
// long run of them cannot wrap.
std::int64_t ExponentValue(const std::string& digits) {
  std::int64_t value = 0;
  for (char c : digits) {
    value = std::min<std::int64_t>(value * 10 + (c - '0'), 1'000'000'000'000);
  }
  return value;
}

// Decimal: sign, digits with one ".", then an exponent letter E or D in
// either case with its own sign and digits. An exponent letter without
// digits ends the number before it. The digits go to std::from_chars,
// which keeps long runs linear and ignores the locale.
bool ReadDecimal(Cursor& at, double& value) {
  bool negative = false;
  if (at.Peek() == u'-' || at.Peek() == u'+') {
    negative = at.Peek() == u'-';
    at.Next();
  }
  std::string whole, fraction;
  TakeDigits(at, whole);
  if (at.Peek() == u'.') {
    at.Next();
    TakeDigits(at, fraction);
  }
  if (whole.empty() && fraction.empty()) return false;
  // Nothing is read after the number, so a letter that turns out to have
  // no digits needs no stepping back.
  std::int64_t exponent = 0;
  if (at.Take(u'E', u'e') || at.Take(u'D', u'd')) {
    const bool negativeExponent = at.Peek() == u'-';
    if (at.Peek() == u'-' || at.Peek() == u'+') at.Next();
    std::string digits;
    if (TakeDigits(at, digits)) {
      exponent = ExponentValue(digits) * (negativeExponent ? -1 : 1);
    }
  }
  const std::string number = "0" + whole + "." + fraction + "e" + std::to_string(exponent);
#ifdef __cpp_lib_to_chars
  const std::from_chars_result read =
      std::from_chars(number.data(), number.data() + number.size(), value);
  if (read.ec == std::errc::result_out_of_range) {
    value =
        Magnitude(whole, fraction, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
#else
  // The WebAssembly build's library reads no double with from_chars; there
  // the C locale is the only one, and strtod gives infinity or 0 where the
  // number leaves the range, as above.
  value = std::strtod(number.c_str(), nullptr);
#endif
  if (negative) value = -value;
  return true;
}

// The usual field, blanks and a run of digits followed by nothing that
// could continue the number ("15", " 15)"), read without building a text
// for from_chars. Fifteen digits stay below 2^53, so the double is exact.
bool ReadShortDigits(const std::u16string& text, double& value) {
  std::size_t first = 0;
  while (first < text.size() && IsNumberBlank(text[first])) ++first;
  std::int64_t digits = 0;  // [0, 10^15)
  std::size_t i = first;
  for (; i < text.size() && i - first < 15 && IsDecimalDigit(text[i]); ++i) {
    digits = digits * 10 + (text[i] - u'0');
  }
  if (i == first) return false;
  if (i < text.size()) {
    const char16_t next = text[i];
    if (IsDecimalDigit(next) || IsNumberBlank(next) || next == u'.' || next == u'E' ||
        next == u'e' || next == u'D' || next == u'd') {
      return false;
    }
  }
  value = static_cast<double>(digits);
  return true;
}

bool Read(const std::u16string& text, double& value) {
  if (ReadShortDigits(text, value)) return true;
  Cursor at(text);
  value = 0;
  if (at.Peek() == u'&') return ReadRadix(at, value);
  return ReadDecimal(at, value);
}

}  // namespace

double ReadNumber(const std::u16string& text) {
  double value;
  return Read(text, value) ? value : 0.0;
}

bool BeginsWithNumber(const std::u16string& text) {
  double value;
  return Read(text, value);
}

std::optional<std::int16_t> RoundToInt16(double value) {
  const std::optional<std::int32_t> rounded = checked::TryRoundToInt32(value);
  if (!rounded) return std::nullopt;
  return checked::TryInt16(*rounded);
}

}  // namespace kalvenor
