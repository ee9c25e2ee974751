// Age as Japanese law counts it (年齢計算ニ関スル法律 with Civil Code
// art. 143): the day of birth counts, so a year of age is complete at the
// end of the day before the birthday's anniversary; when the anniversary
// does not exist in its month, at the end of that month's last day. A
// February 29 birthday therefore counts on March 1 in a common year. Months
// are counted by the same rule: the monthly anniversary of the 31st in a
// 30-day month is reached on the 1st of the next month.
#pragma once

#include "calendar/gregorian.h"
#include "commands/results.h"

namespace kalvenor::commands {

// The age on date of someone born on birth (valid dates, birth not after
// date): whole years, then whole months, then the days since the last
// monthly anniversary was reached.
AgeResult AgeOn(const DateParts& birth, const DateParts& date);

}  // namespace kalvenor::commands
