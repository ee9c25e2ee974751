#include "ui/win32/form1_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "ui/texts.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/font.h"
#include "ui/win32/ids.h"
#include "ui/win32/wide.h"

namespace kalvenor::ui::win32 {
namespace {

// Posted by PostTab: moves the focus on as a Tab key would, whatever
// Shift is doing when it arrives.
constexpr UINT kMoveFocus = WM_APP + 1;

// Fixed size: a mode switch moves rows, nothing follows a wider window.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The icon of the program's resources.
constexpr WORD kIconId = 1;

// A message box breaks lines at CR LF; a lone CR becomes one.
std::wstring WindowsLineBreaks(std::u16string_view text) {
  std::wstring lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    lines += static_cast<wchar_t>(text[i]);
    if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')) lines += L'\n';
  }
  return lines;
}

void SetStyleBit(HWND window, LONG_PTR bit, bool on) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, on ? style | bit : style & ~bit);
}

HICON LoadProgramIcon(HINSTANCE instance, int metricX, int metricY) {
  auto* icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                             LR_DEFAULTCOLOR));
  return icon != nullptr ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance) {
  CreateMainWindow(instance);
  dpi_ = DpiOf(window_);
  BuildMenus();
  BuildControls();
  UseFont();
  SizeClientArea();
}

Form1Window::~Form1Window() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (font_ != nullptr) DeleteObject(font_);
}

void Form1Window::CreateMainWindow(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadProgramIcon(instance, SM_CXICON, SM_CYICON);
  windowClass.hIconSm = LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = FromInteger<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  // The title is set at load.
  CreateWindowExW(0, kWindowClass, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, nullptr, nullptr, instance, this);
}

void Form1Window::BuildMenus() {
  const auto menus = layout::Menus();
  HMENU bar = CreateMenu();
  std::map<Menu, HMENU> dropDowns;
  for (const auto& spec : menus) {
    const std::wstring caption = Wide(spec.caption);
    const bool hasItems =
        std::any_of(menus.begin(), menus.end(),
                    [&](const layout::MenuSpec& item) { return item.parent == spec.id; });
    if (hasItems) {
      HMENU dropDown = CreatePopupMenu();
      dropDowns.emplace(spec.id, dropDown);
      AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), caption.c_str());
    } else {
      HMENU menu = spec.parent.has_value() ? dropDowns.at(*spec.parent) : bar;
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(MenuId(spec.name)), caption.c_str());
    }
  }
  SetMenu(window_, bar);
}

void Form1Window::BuildControls() {
  // Created in tab order: the dialog keys walk the controls in the order
  // they were made.
  for (const auto& spec : layout::Controls()) {
    HWND control = CreateControl(window_, spec, ControlId(spec.name));
    controls_.push_back({&spec, control, spec.top, spec.width});
    if (spec.kind != layout::Kind::TextBox) continue;
    SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(control, BoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  // Frames lie beneath the options they hold. Moved below everything, they
  // still close the option arrays for the arrow keys, and take no focus.
  for (const Placed& control : controls_) {
    if (control.spec->kind != layout::Kind::Frame) continue;
    SetWindowPos(control.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  MarkSelected(OptionArray::Option2, 0);
}

void Form1Window::UseFont() {
  HFONT previous = font_;
  font_ = CreateUiFont(dpi_);
  for (Placed& control : controls_) {
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    Place(control);
  }
  if (previous != nullptr) DeleteObject(previous);
}

void Form1Window::Place(Placed& control) {
  const layout::ControlSpec& spec = *control.spec;
  int left = ToPixels(spec.left, dpi_);
  int top = ToPixels(control.top, dpi_);
  const int room = ToPixels(layout::ContainerWidth(spec), dpi_) - left;
  if (spec.container.has_value()) {
    const Placed& frame = At(*spec.container);
    left += ToPixels(frame.spec->left, dpi_);
    top += ToPixels(frame.top, dpi_);
  }
  // Only a caption that does not fit widens its control, and only as far
  // as its container reaches.
  const int caption = CaptionWidth(spec.kind, font_, WindowText(control.window), dpi_);
  const int width = std::max(ToPixels(control.width, dpi_), std::min(caption, room));
  SetWindowPos(control.window, nullptr, left, top, width, ToPixels(spec.height, dpi_),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::SizeClientArea() {
  const RECT client{0, 0, ToPixels(layout::kClientSize.width, dpi_),
                    ToPixels(layout::kClientSize.height, dpi_)};
  RECT outer = OuterRect(client, kWindowStyle, true, dpi_);
  const auto resize = [this](const RECT& rect) {
    SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  resize(outer);
  // A menu bar that wraps takes more than one row: make up the difference.
  RECT actual{};
  GetClientRect(window_, &actual);
  outer.bottom += client.bottom - actual.bottom;
  resize(outer);
}

void Form1Window::Show(int show) {
  Deliver([](Form1& form) { form.OnLoad(); });
  if (ended_) return;
  lastFocus_ = At(Control::Text1).window;
  ShowWindow(window_, show);
  UpdateWindow(window_);
  SetFocus(lastFocus_);
}

bool Form1Window::HandleDialogKeys(MSG& msg) {
  return window_ != nullptr && IsDialogMessageW(window_, &msg) != FALSE;
}

LRESULT CALLBACK Form1Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Form1Window*>(FromInteger<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = FromInteger<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->OnMessage(message, wParam, lParam);
}

LRESULT Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Menus send 0 as the notification, buttons BN_CLICKED (also 0).
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_SIZE:
      if (!controls_.empty()) Deliver([](Form1& form) { form.OnResize(); });
      return 0;
    case WM_CLOSE: Deliver([](Form1& form) { form.OnClose(); }); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *FromInteger<const RECT*>(lParam)); return 0;
    case kMoveFocus: MoveToNextControl(); return 0;
    case WM_CONTEXTMENU: {
      // The display labels offer their text for copying; the result boxes,
      // being edit controls, have their own menu.
      HWND target = FromInteger<HWND>(wParam);
      for (Control label : {Control::Label4, Control::Label5}) {
        if (At(label).window == target) {
          OfferCopy(window_, target, lParam);
          return 0;
        }
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    }
    default: return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void Form1Window::OnCommand(int id) {
  for (const layout::MenuSpec& menu : layout::Menus()) {
    if (id == MenuId(menu.name)) Deliver([&menu](Form1& form) { form.OnMenu(menu.id); });
  }
  const auto index = static_cast<std::size_t>(id - kFirstControlId);
  if (id < kFirstControlId || index >= controls_.size()) return;
  const layout::ControlSpec& spec = *controls_[index].spec;
  if (const auto* member = std::get_if<layout::Member>(&spec.id)) {
    OnOptionClicked(member->array, member->index);
  } else if (spec.kind == layout::Kind::Button) {
    Deliver([&spec](Form1& form) { form.OnClick(std::get<Control>(spec.id)); });
  }
}

void Form1Window::OnOptionClicked(OptionArray array, int index) {
  if (!IsSelected(array, index)) return;
  Select(array, index);
}

void Form1Window::MarkSelected(OptionArray array, int index) {
  // Tab reaches an option array at its selected member alone.
  for (int member : {0, 1}) {
    HWND option = Option(array, member);
    SendMessageW(option, BM_SETCHECK, member == index ? BST_CHECKED : BST_UNCHECKED, 0);
    SetStyleBit(option, WS_TABSTOP, member == index);
  }
}

void Form1Window::OnActivate(bool active) {
  // A plain window does not keep its focus across activation as a dialog
  // does; put it back where it was.
  if (!active) {
    lastFocus_ = GetFocus();
  } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
    SetFocus(lastFocus_);
  }
}

void Form1Window::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  UseFont();
  SizeClientArea();
}

void Form1Window::MoveToNextControl() {
  HWND next = GetNextDlgTabItem(window_, GetFocus(), FALSE);
  if (next == nullptr) return;
  SetFocus(next);
  // As Tab does in a dialog: a box reached this way has its text selected.
  if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
    SendMessageW(next, EM_SETSEL, 0, -1);
  }
}

LRESULT CALLBACK Form1Window::BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR /*id*/, DWORD_PTR self) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter belongs to the box's key handler, not to the dialog keys.
      LRESULT code = DefSubclassProc(box, message, wParam, lParam);
      const auto* msg = FromInteger<const MSG*>(lParam);
      if (msg != nullptr && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_CHAR: return FromInteger<Form1Window*>(self)->OnBoxChar(box, wParam, lParam);
    case WM_NCDESTROY: RemoveWindowSubclass(box, BoxProc, 0); break;
    default: break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT Form1Window::OnBoxChar(HWND box, WPARAM wParam, LPARAM lParam) {
  // A result box is read-only, standing for a disabled one: no key handler.
  if ((GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0) {
    return DefSubclassProc(box, WM_CHAR, wParam, lParam);
  }
  auto code = static_cast<std::int16_t>(wParam);
  const auto index = static_cast<std::size_t>(GetDlgCtrlID(box) - kFirstControlId);
  const Control control = std::get<Control>(controls_.at(index).spec->id);
  Deliver([control, &code](Form1& form) { form.OnKeyPress(control, code); });
  if (code == 0) return 0;
  return DefSubclassProc(box, WM_CHAR, static_cast<std::uint16_t>(code), lParam);
}

Form1Window::Placed& Form1Window::At(const layout::ControlSpec& spec) {
  return controls_.at(static_cast<std::size_t>(&spec - layout::Controls().data()));
}

const Form1Window::Placed& Form1Window::At(const layout::ControlSpec& spec) const {
  return controls_.at(static_cast<std::size_t>(&spec - layout::Controls().data()));
}

HWND Form1Window::Option(OptionArray array, int index) const {
  return At(layout::Spec(array, index)).window;
}

void Form1Window::ShowMessage(const std::u16string& text, MessageIcon icon) {
  const UINT style = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
  MessageBoxW(window_, WindowsLineBreaks(text).c_str(), Wide(texts::kTitle).c_str(), style);
}

std::u16string Form1Window::Text(Control control) const {
  return Utf16(WindowText(At(control).window));
}

void Form1Window::SetText(Control control, const std::u16string& text) {
  Placed& placed = At(control);
  SetWindowTextW(placed.window, Wide(text).c_str());
  if (placed.spec->kind != layout::Kind::TextBox) Place(placed);
}

void Form1Window::SetEnabled(Control control, bool enabled) {
  HWND window = At(control).window;
  if (At(control).spec->kind != layout::Kind::TextBox) {
    EnableWindow(window, enabled ? TRUE : FALSE);
    return;
  }
  // A disabled box would grey its text out; a read-only box out of the Tab
  // order keeps a result readable and copyable, and still looks inactive.
  if (!enabled && GetFocus() == window) MoveToNextControl();
  SendMessageW(window, EM_SETREADONLY, enabled ? FALSE : TRUE, 0);
  SetStyleBit(window, WS_TABSTOP, enabled);
}

void Form1Window::SetTop(Control control, Twips top) {
  At(control).top = top;
  Place(At(control));
}

void Form1Window::SetWidth(Control control, Twips width) {
  At(control).width = width;
  Place(At(control));
}

bool Form1Window::IsSelected(OptionArray array, int index) const {
  return SendMessageW(Option(array, index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1Window::Select(OptionArray array, int index) {
  MarkSelected(array, index);
  int& selected = selected_[array == OptionArray::Option1 ? 0 : 1];
  if (selected == index) return;
  selected = index;
  Deliver([array, index](Form1& form) { form.OnOptionClick(array, index); });
}

void Form1Window::PostTab() { PostMessageW(window_, kMoveFocus, 0, 0); }

TwipsSize Form1Window::ScreenSize() const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return {ToTwips(monitor.rcMonitor.right - monitor.rcMonitor.left, dpi_),
          ToTwips(monitor.rcMonitor.bottom - monitor.rcMonitor.top, dpi_)};
}

TwipsSize Form1Window::WindowSize() const {
  RECT outer{};
  GetWindowRect(window_, &outer);
  return {ToTwips(outer.right - outer.left, dpi_), ToTwips(outer.bottom - outer.top, dpi_)};
}

void Form1Window::SetWindowPosition(float left, float top) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const double pixelsPerTwip = dpi_ / 1440.0;
  SetWindowPos(window_, nullptr,
               monitor.rcMonitor.left + static_cast<int>(std::lround(left * pixelsPerTwip)),
               monitor.rcMonitor.top + static_cast<int>(std::lround(top * pixelsPerTwip)), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::SetTitle(const std::u16string& title) {
  SetWindowTextW(window_, Wide(title).c_str());
}

std::uintptr_t Form1Window::WindowHandle() const {
  return reinterpret_cast<std::uintptr_t>(window_);
}

void Form1Window::ProcessEvents() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    if (msg.message == WM_QUIT) {
      // Left for the main loop, which ends on it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (HandleDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Form1Window::EndProgram() {
  ended_ = true;
  if (window_ != nullptr) DestroyWindow(window_);
}

}  // namespace kalvenor::ui::win32
