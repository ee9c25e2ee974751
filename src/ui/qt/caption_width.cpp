#include "ui/qt/caption_width.h"

#include <QGroupBox>
#include <QPushButton>
#include <QStyle>

namespace kalvenor::ui::qt {

int CaptionWidth(const QWidget& control) {
  if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
    // A push button's size hint has a minimum width of its own; only the
    // caption and the button's frame count here.
    const QStyle* style = button->style();
    return button->fontMetrics().horizontalAdvance(button->text()) +
           style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
    return frame->minimumSizeHint().width();
  }
  return control.sizeHint().width();
}

}  // namespace kalvenor::ui::qt
