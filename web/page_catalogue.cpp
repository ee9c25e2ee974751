// The page's translation of the command layer's messages. The command
// layer loads its catalogue from a file (commands/translation.h); the page
// has none, so this definition of Translate is the one the page's module
// links, and translation.cpp, with its file reading, stays out of it.
#include "page_catalogue.h"

#include <span>

#include "commands/translation.h"

namespace kalvenor::commands::translation {

std::string_view Translate(std::string_view msgid) {
  for (const auto& [original, japanese] : std::span(web::kJapanese, web::kJapaneseCount)) {
    if (original == msgid) return japanese;
  }
  return msgid;
}

}  // namespace kalvenor::commands::translation
