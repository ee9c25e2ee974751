// What kalvenor-cli counts as a business day, as the command line gives it;
// the closed and open files are read when the run starts.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "holidays/business_days.h"

namespace kalvenor::cli {

struct BusinessOptions {
  std::uint8_t rest_weekdays = 0b100'0001;  // --rest=土日; bit w: weekday w, 0 Sunday
  bool national_holidays = true;            // --holidays=jp (none: false)
  std::vector<std::string_view> closed_files;
  std::vector<std::string_view> open_files;
  YearEnd year_end = YearEnd::None;  // --year-end=12/29 or 12/31
};

}  // namespace kalvenor::cli
