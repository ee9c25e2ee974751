#include "cli/iso_date.h"

#include <cstdlib>

namespace cli {
namespace {

// Writes value (0 or more) with at least width digits; returns the end.
char* WritePadded(int value, int width, char* out) {
  char digits[8];  // the year's magnitude is at most 32768
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (; count < width; ++count) digits[count] = '0';
  while (count > 0) *out++ = digits[--count];
  return out;
}

}  // namespace

void AppendIsoDate(const ymd::DateParts& date, std::string& out) {
  char text[16];  // "-32768-12-31" at the longest
  char* end = text;
  if (date.year < 0) *end++ = '-';
  end = WritePadded(std::abs(static_cast<int>(date.year)), 4, end);
  *end++ = '-';
  end = WritePadded(date.month, 2, end);
  *end++ = '-';
  end = WritePadded(date.day, 2, end);
  out.append(text, end);
}

}  // namespace cli
