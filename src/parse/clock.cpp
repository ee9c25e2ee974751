#include "parse/clock.h"

#include <cstdio>
#include <ctime>
#include <utility>

#include "parse/number.h"

namespace ymd {
namespace {

std::u16string& PinnedToday() {
  static std::u16string pinned;
  return pinned;
}

// Characters first..first+count-1 (1-based), as far as the text reaches.
std::int16_t NumberAt(const std::u16string& text, std::size_t first, std::size_t count) {
  const std::size_t from = first - 1 < text.size() ? first - 1 : text.size();
  return RoundToInt16(ReadNumber(text.substr(from, count)));
}

}  // namespace

std::u16string TodayText() {
  if (!PinnedToday().empty()) return PinnedToday();
  // time + localtime_r, so a shifted clock (as in tests) is honoured.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", local.tm_year + 1900,
                                   local.tm_mon + 1, local.tm_mday);
  return std::u16string(buffer, buffer + length);
}

DateParts TodayDate() {
  const std::u16string today = TodayText();
  return {NumberAt(today, 1, 4), NumberAt(today, 6, 2), NumberAt(today, 9, 2)};
}

void SetTodayTextForTesting(std::u16string text) { PinnedToday() = std::move(text); }

}  // namespace ymd
