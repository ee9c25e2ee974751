// Keeping captions whole: a control too narrow for its caption in the
// program's font grows to the caption's width, keeping its Left and Top.
#pragma once

#include "ui/layout.h"

class QWidget;

namespace kalvenor::ui::qt {

// The width in pixels the control needs to show its caption or text in full.
int CaptionWidth(const QWidget& control);

// Gives the control its layout width, or more where its caption needs it,
// never past the right edge of its container.
void FitCaption(QWidget& control, const layout::ControlSpec& spec);

}  // namespace kalvenor::ui::qt
