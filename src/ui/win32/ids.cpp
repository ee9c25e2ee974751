#include "ui/win32/ids.h"

#include <algorithm>
#include <stdexcept>

namespace kalvenor::ui::win32 {
namespace {

template <typename Table>
int IndexOf(const Table& table, std::string_view name) {
  const auto found =
      std::find_if(table.begin(), table.end(), [&](const auto& row) { return row.name == name; });
  if (found == table.end()) throw std::invalid_argument("unknown control or menu");
  return static_cast<int>(found - table.begin());
}

}  // namespace

int ControlId(std::string_view name) { return kFirstControlId + IndexOf(layout::Controls(), name); }

int MenuId(std::string_view name) { return kFirstMenuId + IndexOf(layout::Menus(), name); }

}  // namespace kalvenor::ui::win32
