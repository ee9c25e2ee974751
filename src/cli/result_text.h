// kalvenor-cli's lines from the calculations' results.
#pragma once

#include <string>

#include "commands/date_output.h"
#include "commands/results.h"

namespace kalvenor::cli {

struct ResultFormat {
  commands::OutputStyle style = commands::OutputStyle::Era;
  bool long_age = false;  // --long: age's months and days
  bool one_line = false;  // a stream's result: one line, whatever it holds
};

// Appends the result without its last line end:
//   a date       in the style; with a holiday's name, a tab and the name
//   a count      the number of days
//   a span       1年2か月3日, -1年2か月3日 going back; --iso P1Y2M3D, every field
//   an age       満36歳, with --long 満36歳2か月3日; --iso P36Y, P36Y2M3D
//   holidays     a line per holiday, the date, a tab and the name; on one
//                line the DATE<TAB>NAME pairs are joined by tabs
// False when it writes no line at all: a list without holidays, unless on
// one line (where it is an empty line).
bool AppendResult(const commands::Result& result, const ResultFormat& format, std::string& out);

}  // namespace kalvenor::cli
