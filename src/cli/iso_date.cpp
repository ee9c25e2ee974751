#include "cli/iso_date.h"

#include <cstdlib>

namespace cli {
namespace {

// Appends value (0 or more) with at least width digits.
void AppendPadded(int value, int width, std::string& out) {
  char digits[8];  // the year's magnitude is at most 32768
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (; count < width; ++count) digits[count] = '0';
  while (count > 0) out += digits[--count];
}

}  // namespace

void AppendIsoDate(const ymd::DateParts& date, std::string& out) {
  if (date.year < 0) out += '-';
  AppendPadded(std::abs(static_cast<int>(date.year)), 4, out);
  out += '-';
  AppendPadded(date.month, 2, out);
  out += '-';
  AppendPadded(date.day, 2, out);
}

}  // namespace cli
