// The module's interface, two plain C functions: the page writes its state
// as a query (page_state.h) into the buffer and asks for the view, a JSON
// text that stays valid until the next question.
#include <emscripten.h>

#include <cstddef>
#include <string>

#include "commands/translation.h"
#include "page_catalogue.h"
#include "view.h"

namespace {

std::string query;
std::string answer;

}  // namespace

extern "C" {

// A buffer of size bytes for the query; its text is read by kalvenor_view.
EMSCRIPTEN_KEEPALIVE char* kalvenor_buffer(std::size_t size) {
  query.assign(size, '\0');
  return query.data();
}

// The view of the query in the buffer, as a NUL-terminated UTF-8 JSON text.
EMSCRIPTEN_KEEPALIVE const char* kalvenor_view() {
  // The command layer's messages in Japanese, taken once.
  static const bool japanese = kalvenor::commands::translation::LoadCatalogue(
      std::string(reinterpret_cast<const char*>(kalvenor::web::kJapaneseCatalogue),
                  kalvenor::web::kJapaneseCatalogueSize));
  static_cast<void>(japanese);
  answer = kalvenor::web::ViewJson(kalvenor::web::ReadPageState(query));
  return answer.c_str();
}
}
