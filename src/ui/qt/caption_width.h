// How wide a control must be to show its caption whole in the program's
// font; the form host decides how far it may grow.
#pragma once

class QWidget;

namespace kalvenor::ui::qt {

// The width in pixels the control needs to show its caption or text in full.
int CaptionWidth(const QWidget& control);

}  // namespace kalvenor::ui::qt
