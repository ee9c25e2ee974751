// The number reader every numeric field of a typed date goes through.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kalvenor {

// The leading number of text as a double: blanks, tabs and line feeds are
// skipped wherever they stand (" 1 2" reads 12); then an optional sign,
// decimal digits with at most one ".", and an optional exponent (E, e, D or
// d, optional sign, digits). Reading stops at the first character that
// cannot continue the number ("5x" reads 5). &H / &O read a hexadecimal or
// octal integer, unsigned (&HFFFF is 65535). ASCII only. A text that does
// not begin with a number reads 0; one beyond the double range reads as
// infinity (or 0 when too small).
double ReadNumber(const std::u16string& text);

// Whether text begins with a number by ReadNumber's rules (blanks aside),
// so a caller can tell a typed 0 from no number at all.
bool BeginsWithNumber(const std::u16string& text);

// Nearest 16-bit integer, an exact half to the even neighbour (2.5 -> 2,
// 3.5 -> 4); nothing for a value that does not fit, which to the date
// language is no date.
[[nodiscard]] std::optional<std::int16_t> RoundToInt16(double value);

}  // namespace kalvenor
