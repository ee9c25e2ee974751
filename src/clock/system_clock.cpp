#include "clock/system_clock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

#include "numeric/checked.h"

namespace kalvenor {

#ifdef _WIN32

DateParts SystemToday() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return {checked::Int16(local.wYear), static_cast<std::int16_t>(local.wMonth),
          static_cast<std::int16_t>(local.wDay)};
}

#else

DateParts SystemToday() {
  // time() and localtime_r, which a shifted clock (libfaketime, as the
  // end-to-end tests use) stands in for. Every parse asks, so the date is
  // worked out again only when the second has changed.
  static std::time_t lastSecond = -1;
  static DateParts lastDate;
  const std::time_t now = std::time(nullptr);
  if (now != lastSecond) {
    std::tm local{};
    localtime_r(&now, &local);
    lastDate = {checked::Int16(std::int64_t{local.tm_year} + 1900),
                static_cast<std::int16_t>(local.tm_mon + 1),  // [1, 12]
                static_cast<std::int16_t>(local.tm_mday)};    // [1, 31]
    lastSecond = now;
  }
  return lastDate;
}

#endif

}  // namespace kalvenor
