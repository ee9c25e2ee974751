#include "program/locale_setting.h"

#include <cstdlib>

namespace kalvenor {

std::string LocaleSetting() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace kalvenor
