# Writes OUT, the C++ array of page_catalogue.h, from IN, the Japanese
# catalogue as msgfmt writes it (a .mo file).
file(READ ${IN} bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
# Twenty bytes a line.
string(REGEX REPLACE "((0x..,){20})" "\\1\n  " bytes "${bytes}")
file(WRITE ${OUT} "// Generated from po/ja.po by web/catalogue.cmake.
#include \"page_catalogue.h\"

namespace kalvenor::web {

const unsigned char kJapaneseCatalogue[] = {
  ${bytes}};
const std::size_t kJapaneseCatalogueSize = sizeof kJapaneseCatalogue;

}  // namespace kalvenor::web
")
