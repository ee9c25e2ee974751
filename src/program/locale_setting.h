// The locale the user chose for messages, as the environment names it.
#pragma once

#include <string>

namespace kalvenor {

// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty
// ("ja_JP.UTF-8"); empty when none is.
std::string LocaleSetting();

}  // namespace kalvenor
