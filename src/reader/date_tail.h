// What may follow a date in a document, a spreadsheet cell or a log: its
// weekday and a time of day, each at most once, in either order.
//   weekday  (月)  （月）  (月曜)  (月曜日)  月曜日  ㈪  ㊊; in brackets a holiday
//            mark may follow it: (月・祝)  (火・休)  (月祝); after ㈪, ㈷ or ㉁
//   time     9:30  09:30:00  10:00:00.5+09:00  09:30:00,5 +0900  3:00 PM
//            午後3:00  9時  9時30分15秒  9時半  午前9時30分  午後三時
// A time stands after a blank, right after the weekday, or as the date's
// form allows (date_form.h: after "T", where the compact 093000 is read
// too, or directly after a kanji date). A zone may follow a clock time,
// after a blank too (git's "+0900").
#pragma once

#include <optional>

#include "reader/date_form.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

struct DateTail {
  std::optional<int> weekday;  // 0 Sunday .. 6 Saturday, when one was written
  bool noSuchTime = false;     // a time whose numbers are out of range: 25:00, 午後13時
};

// Whether the rest of scanner is a tail, and if so what it says. Blanks at
// the end are allowed. (An out-parameter: a returned optional<DateTail>
// built field by field stalls on every batch line.)
bool ReadTail(Scanner scanner, TimeJoin join, DateTail& tail);

}  // namespace kalvenor::reader
