#include "cli/iso_date.h"

#include <cstdlib>

namespace cli {
namespace {

// Writes the last count digits of value (0 or more), zeros in front.
char* WriteDigits(int value, int count, char* out) {
  for (int i = count - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + count;
}

}  // namespace

void AppendIsoDate(const ymd::DateParts& date, std::string& out) {
  char text[16];  // "-32768-12-31" at the longest
  char* end = text;
  if (date.year < 0) *end++ = '-';
  const int year = std::abs(static_cast<int>(date.year));  // [0, 32768]
  end = WriteDigits(year, year >= 10000 ? 5 : 4, end);
  *end++ = '-';
  end = WriteDigits(date.month, 2, end);
  *end++ = '-';
  end = WriteDigits(date.day, 2, end);
  out.append(text, end);
}

}  // namespace cli
