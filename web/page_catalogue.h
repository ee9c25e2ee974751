// The Japanese messages of the command layer, compiled into the page: a
// page opened from file:// can read no file, and a file system in the
// module would cost more than the messages themselves.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>
#include <utility>

namespace kalvenor::web {

// Generated from po/ja.po at build time (catalogue.cmake): each message
// as written in the program, and its translation.
extern const std::pair<std::string_view, std::string_view> kJapanese[];
extern const std::size_t kJapaneseCount;

}  // namespace kalvenor::web
