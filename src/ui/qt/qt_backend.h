// The Qt backend: owns the window and the form host, turns the host's
// requests into widget calls and the widgets' signals into the host's
// events.
#pragma once

#include <cstdint>
#include <string>

#include "ui/form_host.h"
#include "ui/qt/calculator_window.h"
#include "ui/window_backend.h"

namespace kalvenor::ui::qt {

class QtBackend final : public WindowBackend {
 public:
  QtBackend();

  CalculatorWindow& Window() { return window_; }
  FormHost& Host() { return host_; }

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
  void ConnectEvents();

  CalculatorWindow window_;
  FormHost host_{*this};
};

}  // namespace kalvenor::ui::qt
