#include "ui/form_host.h"

#include <algorithm>
#include <cstdint>

#include "ui/layout.h"
#include "ui/units.h"

namespace kalvenor::ui {
namespace {

// Visits the option buttons of the frame that holds option, option itself
// included: one group, of which one is selected.
template <typename Visit>
void ForEachOptionBeside(Control option, Visit visit) {
  const auto frame = layout::RowOf(option).container;
  for (const layout::ControlRow& row : layout::Controls()) {
    if (row.kind == layout::Kind::OptionButton && row.container == frame) visit(row.id);
  }
}

// Whether row stands to the right of frame, beside it.
bool StandsRightOf(const layout::ControlRow& row, const layout::ControlRow& frame) {
  return row.left >= frame.left + frame.width && row.top < frame.top + frame.height &&
         frame.top < row.top + row.height;
}

}  // namespace

FormHost::FormHost(WindowBackend& backend, DateParts (*today)())
    : backend_(backend), form_(*this, backend, today) {
  for (const layout::ControlRow& row : layout::Controls()) {
    tops_.at(IndexOf(row.id)) = row.top;
    widths_.at(IndexOf(row.id)) = row.width;
  }
  enabled_.fill(true);
}

void FormHost::Show() {
  selected_.at(IndexOf(layout::kSelectedAtStart)) = true;
  backend_.SetChecked(layout::kSelectedAtStart, true);
  PlaceAll();
  Deliver([](CalculatorForm& form) { form.OnLoad(); });
  if (!ended_) backend_.ShowWindow();
}

void FormHost::PlaceAll() {
  const int dpi = backend_.Dpi();
  clientWidth_ = ToPixels(layout::kClientSize.width, dpi) + MakeRoomForOptions(dpi);
  backend_.SizeClient({clientWidth_, ToPixels(layout::kClientSize.height, dpi)});
  // The frames first: an option button is placed inside its frame.
  for (bool contained : {false, true}) {
    for (const layout::ControlRow& row : layout::Controls()) {
      if (row.container.has_value() == contained) Place(row.id);
    }
  }
}

int FormHost::MakeRoomForOptions(int dpi) {
  grown_.fill(0);
  shifted_.fill(0);
  // A frame grows to show its options' captions whole (as far as its
  // right edge, like any control in its container)...
  for (const layout::ControlRow& row : layout::Controls()) {
    if (!row.container) continue;
    const int needed = ToPixels(row.left, dpi) + backend_.CaptionWidth(row.id);
    int& grown = grown_.at(IndexOf(*row.container));
    grown = std::max(grown, needed - ToPixels(layout::RowOf(*row.container).width, dpi));
  }
  // ...what stands to its right moves over, and the client area widens by
  // as much as anything on it moved or grew.
  for (const layout::ControlRow& frame : layout::Controls()) {
    for (const layout::ControlRow& row : layout::Controls()) {
      if (!row.container && StandsRightOf(row, frame)) {
        shifted_.at(IndexOf(row.id)) += grown_.at(IndexOf(frame.id));
      }
    }
  }
  int wider = 0;
  for (const layout::ControlRow& row : layout::Controls()) {
    wider = std::max(wider, grown_.at(IndexOf(row.id)) + shifted_.at(IndexOf(row.id)));
  }
  return wider;
}

void FormHost::Place(Control control) {
  const layout::ControlRow& row = layout::RowOf(control);
  const int dpi = backend_.Dpi();
  const std::size_t at = IndexOf(control);
  PixelRect rect{ToPixels(row.left, dpi) + shifted_.at(at), ToPixels(tops_.at(at), dpi),
                 ToPixels(widths_.at(at), dpi) + grown_.at(at), ToPixels(row.height, dpi)};
  if (row.kind != layout::Kind::TextBox && row.kind != layout::Kind::Line) {
    // Only a caption that does not fit widens its control, and only as far
    // as its container reaches.
    const int container = row.container ? ToPixels(layout::RowOf(*row.container).width, dpi) +
                                              grown_.at(IndexOf(*row.container))
                                        : clientWidth_;
    const int room = container - rect.left;
    rect.width = std::max(rect.width, std::min(backend_.CaptionWidth(control), room));
  }
  backend_.Move(control, rect);
}

void FormHost::Resized() {
  Deliver([](CalculatorForm& form) { form.OnResize(); });
}

void FormHost::Closing() {
  Deliver([](CalculatorForm& form) { form.OnClose(); });
}

void FormHost::DpiChanged() { PlaceAll(); }

void FormHost::Clicked(Control control) {
  if (layout::RowOf(control).kind != layout::Kind::OptionButton) {
    Deliver([control](CalculatorForm& form) { form.OnClick(control); });
    return;
  }
  // The toolkit checks an option as it is clicked; only a new choice
  // reaches the form.
  if (backend_.IsChecked(control)) Select(control);
}

void FormHost::MenuChosen(Menu item) {
  Deliver([item](CalculatorForm& form) { form.OnMenu(item); });
}

bool FormHost::KeyPressed(const KeyPress& key) {
  if (key.key == Key::F1) {
    MenuChosen(Menu::HelpDocument);
    return true;
  }
  // A selection is copied by its own control; otherwise the result is.
  if (key.key == Key::Copy && !key.selection) {
    CopyResult();
    return true;
  }
  return key.control && key.character != 0 && TypedIntoBox(*key.control, key.character);
}

void FormHost::CopyResult() {
  if (ended_) return;
  const bool difference = IsSelected(Control::DifferenceOption);
  backend_.CopyText(backend_.Text(difference ? Control::DaysBox : Control::Date2Box));
}

bool FormHost::TypedIntoBox(Control box, char16_t character) {
  // A disabled box's keys reach nothing.
  if (layout::RowOf(box).kind != layout::Kind::TextBox || !enabled_.at(IndexOf(box))) return false;
  auto code = static_cast<std::int16_t>(character);
  Deliver([box, &code](CalculatorForm& form) { form.OnKeyPress(box, code); });
  return code == 0;
}

void FormHost::SetText(Control control, const std::u16string& text) {
  backend_.SetText(control, text);
  if (layout::RowOf(control).kind != layout::Kind::TextBox) Place(control);
}

void FormHost::SetEnabled(Control control, bool enabled) {
  enabled_.at(IndexOf(control)) = enabled;
  backend_.SetEnabled(control, enabled);
}

void FormHost::SetTop(Control control, Twips top) {
  tops_.at(IndexOf(control)) = top;
  Place(control);
}

void FormHost::SetWidth(Control control, Twips width) {
  widths_.at(IndexOf(control)) = width;
  Place(control);
}

bool FormHost::IsSelected(Control option) const { return selected_.at(IndexOf(option)); }

void FormHost::Select(Control option) {
  const bool changed = !selected_.at(IndexOf(option));
  // Recorded before the backend is told: a toolkit may report the new
  // check mark as a click while it is being set.
  ForEachOptionBeside(option,
                      [&](Control member) { selected_.at(IndexOf(member)) = member == option; });
  backend_.SetChecked(option, true);
  ForEachOptionBeside(option, [&](Control member) {
    if (member != option) backend_.SetChecked(member, false);
  });
  if (changed) Deliver([option](CalculatorForm& form) { form.OnClick(option); });
}

TwipsSize FormHost::InTwips(PixelSize size) const {
  return {ToTwips(size.width, backend_.Dpi()), ToTwips(size.height, backend_.Dpi())};
}

TwipsSize FormHost::ScreenSize() const { return InTwips(backend_.ScreenSize()); }

TwipsSize FormHost::WindowSize() const { return InTwips(backend_.WindowSize()); }

void FormHost::SetWindowPosition(float left, float top) {
  backend_.MoveWindow(ToPixels(left, backend_.Dpi()), ToPixels(top, backend_.Dpi()));
}

void FormHost::EndProgram() {
  ended_ = true;
  backend_.Close();
}

}  // namespace kalvenor::ui
