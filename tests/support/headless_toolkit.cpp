#include "support/headless_toolkit.h"

namespace fuzz {

void HeadlessToolkit::ShowMessage(const std::u16string& text, ui::MessageIcon icon) {
  messages.push_back({text, icon});
}

std::u16string HeadlessToolkit::Text(ui::Control control) const {
  const auto found = texts_.find(control);
  return found == texts_.end() ? std::u16string() : found->second;
}

void HeadlessToolkit::SetText(ui::Control control, const std::u16string& text) {
  texts_[control] = text;
  writes.emplace_back(control, text);
}

bool HeadlessToolkit::IsSelected(ui::OptionArray array, int index) const {
  const auto found = selected_.find(array);
  return found != selected_.end() && found->second == index;
}

void HeadlessToolkit::Select(ui::OptionArray array, int index) {
  const bool changed = !IsSelected(array, index);
  selected_[array] = index;
  if (changed && onClick) onClick(array, index);
}

}  // namespace fuzz
