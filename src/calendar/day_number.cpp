#include "calendar/gregorian.h"
#include "numeric/checked.h"

namespace kalvenor {

SerialDay SerialAfter(const DateParts& date, double days) {
  return checked::RoundToInt32(SerialOf(date) + days);
}

}  // namespace kalvenor
