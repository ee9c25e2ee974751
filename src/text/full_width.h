// Text typed with a Japanese input method: "１２／３１" and "Ｈ１２" are
// what the user means by 12/31 and H12.
#pragma once

#include <string>

namespace kalvenor::text {

// Folds the full-width forms U+FF01..U+FF5E to their ASCII twins and the
// ideographic space U+3000 to a blank, in place; everything else stays.
void FoldFullWidth(std::u16string& text);

}  // namespace kalvenor::text
