// What may follow a date in a document or a spreadsheet cell: its weekday
// and a time of day, each at most once, in either order.
//   weekday   (月)  （月）  (月曜)  (月曜日), or 月曜日 after a blank
//   time      9:30  09:30:00  10:00:00.5+09:00  9時30分  9時30分15秒, after a
//             blank or, for an ISO or compact date, after "T"
#pragma once

#include <optional>

#include "reader/scanner.h"

namespace kalvenor::reader {

struct DateTail {
  std::optional<int> weekday;  // 0 Sunday .. 6 Saturday, when one was written
};

// The rest of scanner as a tail; nothing when it is none (an impossible
// time such as 25:61 included). Blanks at the end are allowed.
std::optional<DateTail> ReadTail(Scanner scanner, bool iso);

}  // namespace kalvenor::reader
