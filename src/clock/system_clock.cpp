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
  // end-to-end tests use) stands in for.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {checked::Int16(std::int64_t{local.tm_year} + 1900),
          static_cast<std::int16_t>(local.tm_mon + 1),  // [1, 12]
          static_cast<std::int16_t>(local.tm_mday)};    // [1, 31]
}

#endif

}  // namespace kalvenor
