// Starting Qt where no window can open. When no platform plugin starts (a
// DISPLAY that no server answers, an empty or unset one) Qt prints a report
// of several lines and aborts. While the application starts, its messages
// are held back: a fatal one becomes one line naming the display and exit
// status 1; otherwise they are passed on as they came. Whatever Qt can
// start on, Wayland included, starts as before.
#pragma once

namespace kalvenor::ui::qt {

// Call right before constructing the QApplication...
void HoldStartMessages();

// ...and right after.
void ReleaseStartMessages();

}  // namespace kalvenor::ui::qt
