// Dates as YYYY-MM-DD for scripts: "2000-01-01", "0005-03-01",
// "-0100-12-31", "32767-12-31". The reader's ISO form reads each back.
#include <array>
#include <cstdint>
#include <cstdlib>

#include "commands/date_output.h"

namespace kalvenor::commands {
namespace {

// "00" to "99", for writing two digits at a time.
constexpr std::array<char, 200> kTwoDigits = [] {
  std::array<char, 200> digits{};
  for (std::size_t i = 0; i < 100; ++i) {
    digits[2 * i] = static_cast<char>('0' + i / 10);
    digits[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return digits;
}();

char* WriteTwoDigits(int value, char* out) {  // value in [0, 99]
  const auto at = static_cast<std::size_t>(value) * 2;
  out[0] = kTwoDigits[at];
  out[1] = kTwoDigits[at + 1];
  return out + 2;
}

}  // namespace

void AppendIsoDate(const DateParts& date, std::string& out) {
  char text[16];  // "-32768-12-31" at the longest
  char* end = text;
  if (date.year < 0) *end++ = '-';
  const int year = std::abs(static_cast<int>(date.year));  // [0, 32768]
  if (year >= 10000) *end++ = static_cast<char>('0' + year / 10000);
  end = WriteTwoDigits(year / 100 % 100, end);
  end = WriteTwoDigits(year % 100, end);
  *end++ = '-';
  end = WriteTwoDigits(date.month, end);
  *end++ = '-';
  end = WriteTwoDigits(date.day, end);
  out.append(text, end);
}

std::string IsoText(const DateParts& date) {
  std::string text;
  AppendIsoDate(date, text);
  return text;
}

}  // namespace kalvenor::commands
