# Writes OUT, the C++ table of page_catalogue.h, from IN, the Japanese
# catalogue as msgcat --stringtable-output writes it: one entry a line,
#   "message" = "翻訳";
# its strings escaped as C's are. The header entry ("" = ...) is left out.
file(READ ${IN} strings)
string(REGEX REPLACE "/\\*[^\n]*\\*/" "" strings "${strings}")
string(REGEX REPLACE "\"([^\n]*)\" = \"([^\n]*)\";" "  {\"\\1\", \"\\2\"}," strings "${strings}")
string(REGEX REPLACE "  {\"\", \"[^\n]*\"}," "" strings "${strings}")
# Only the entries, without the byte-order mark before them.
string(FIND "${strings}" "  {" first)
string(SUBSTRING "${strings}" ${first} -1 strings)
string(REGEX REPLACE "\n\n+" "\n" strings "${strings}")
file(WRITE ${OUT} "// Generated from po/ja.po by web/catalogue.cmake.
#include \"page_catalogue.h\"

namespace kalvenor::web {

const std::pair<std::string_view, std::string_view> kJapanese[] = {
${strings}};
const std::size_t kJapaneseCount = std::size(kJapanese);

}  // namespace kalvenor::web
")
