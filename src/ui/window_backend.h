// What a window toolkit does for the form host: it creates, moves and reads
// its own controls, in its own pixels, and reports its events to the host
// (window_events.h). Every rule about them (placing, caption widths, option
// groups, the keys, quitting) is the host's. What it does as it is, the
// form uses directly (WindowBasics).
#pragma once

#include <string>

#include "ui/toolkit.h"

namespace kalvenor::ui {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct PixelSize {
  int width = 0;
  int height = 0;
};

class WindowBackend : public WindowBasics {
 public:
  // Pixels to the inch of every size given or asked for here.
  virtual int Dpi() const = 0;

  // Places a control in its container: the client area, or the frame of
  // an option button.
  virtual void Move(Control control, const PixelRect& rect) = 0;

  // The width the control needs to show its caption in full, frame and
  // glyph included.
  virtual int CaptionWidth(Control control) const = 0;

  virtual void SetText(Control control, const std::u16string& text) = 0;

  // A disabled box stays readable and copyable, out of the Tab order.
  virtual void SetEnabled(Control control, bool enabled) = 0;

  // The check mark of an option button; a checked option alone takes Tab.
  virtual bool IsChecked(Control option) const = 0;
  virtual void SetChecked(Control option, bool checked) = 0;

  // Puts text on the clipboard.
  virtual void CopyText(const std::u16string& text) = 0;

  // The screen and the window's outer rectangle; the window's place on the
  // screen.
  virtual PixelSize ScreenSize() const = 0;
  virtual PixelSize WindowSize() const = 0;
  virtual void MoveWindow(int left, int top) = 0;
  // The client area: the window without its borders, title and menu bars.
  virtual void SizeClient(PixelSize size) = 0;

  virtual void ShowWindow() = 0;
  // Takes the window away and ends the event loop.
  virtual void Close() = 0;
};

}  // namespace kalvenor::ui
