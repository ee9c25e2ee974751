// The Japanese messages of the command layer, compiled into the page as
// the bytes of their catalogue: a page opened from file:// can read no
// file, and a file system in the module would cost more than the messages
// themselves. The page hands them to translation::LoadCatalogue.
#pragma once

#include <cstddef>

namespace kalvenor::web {

// po/ja.po as msgfmt compiles it, generated at build time (catalogue.cmake).
extern const unsigned char kJapaneseCatalogue[];
extern const std::size_t kJapaneseCatalogueSize;

}  // namespace kalvenor::web
