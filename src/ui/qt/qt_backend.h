// The Qt backend: owns the form host and the window, and reads and moves
// the window's controls for the host.
#pragma once

#include <cstdint>
#include <string>

#include "ui/form_host.h"
#include "ui/qt/calculator_window.h"
#include "ui/window_backend.h"

namespace kalvenor::ui::qt {

class QtBackend final : public WindowBackend {
 public:
  FormHost& Host() { return host_; }
  CalculatorWindow& Window() { return window_; }

  int Dpi() const override;
  void Move(Control control, const PixelRect& rect) override;
  int CaptionWidth(Control control) const override;
  std::u16string Text(Control control) const override;
  void SetText(Control control, const std::u16string& text) override;
  void SetEnabled(Control control, bool enabled) override;
  bool IsChecked(Control option) const override;
  void SetChecked(Control option, bool checked) override;
  void PostTab() override;
  void CopyText(const std::u16string& text) override;
  void ShowMessage(const std::u16string& text, MessageIcon icon) override;
  PixelSize ScreenSize() const override;
  PixelSize WindowSize() const override;
  void MoveWindow(int left, int top) override;
  void SizeClient(PixelSize size) override;
  void SetTitle(const std::u16string& title) override;
  std::uintptr_t WindowHandle() const override;
  void ProcessEvents() override;
  void ShowWindow() override;
  void Close() override;

 private:
  FormHost host_{*this};
  CalculatorWindow window_{host_};
};

}  // namespace kalvenor::ui::qt
