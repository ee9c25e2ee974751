#include "ui/win32/calculator_window.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>

#include "ui/layout.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/font.h"
#include "ui/win32/ids.h"
#include "ui/win32/wide.h"

namespace kalvenor::ui::win32 {
namespace {

// Posted by PostMoveFocusOn: moves the focus on as a Tab key would,
// whatever Shift is doing when it arrives.
constexpr UINT kMoveFocus = WM_APP + 1;

// Fixed size: a mode switch moves rows, nothing follows a wider window.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The icon of the program's resources.
constexpr WORD kIconId = 1;

// Whether control is an edit control with text selected.
bool HasSelection(HWND control) {
  if ((SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) == 0) return false;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return start != end;
}

HICON LoadProgramIcon(HINSTANCE instance, int metricX, int metricY) {
  auto* icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                             LR_DEFAULTCOLOR));
  return icon != nullptr ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

CalculatorWindow::CalculatorWindow(HINSTANCE instance, WindowEvents& events) : events_(events) {
  CreateMainWindow(instance);
  dpi_ = DpiOf(Handle());
  BuildMenus();
  BuildControls();
  UseFont();
}

void CalculatorWindow::CreateMainWindow(HINSTANCE instance) {
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
  // The title is set at load; WM_NCCREATE takes ownership of the handle.
  CreateWindowExW(0, kWindowClass, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, nullptr, nullptr, instance, this);
}

void CalculatorWindow::BuildMenus() {
  const auto menus = layout::Menus();
  HMENU bar = CreateMenu();
  std::map<Menu, HMENU> dropDowns;
  for (const auto& row : menus) {
    const std::wstring caption = Wide(row.caption);
    const bool hasItems = std::any_of(menus.begin(), menus.end(), [&](const layout::MenuRow& item) {
      return item.parent == row.id;
    });
    if (hasItems) {
      HMENU dropDown = CreatePopupMenu();
      dropDowns.emplace(row.id, dropDown);
      AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), caption.c_str());
    } else {
      HMENU menu = row.parent.has_value() ? dropDowns.at(*row.parent) : bar;
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(MenuId(row.name)), caption.c_str());
    }
  }
  // The menu belongs to the window from here and goes with it.
  SetMenu(Handle(), bar);
}

void CalculatorWindow::BuildControls() {
  // Created in tab order: the dialog keys walk the controls in the order
  // they were made.
  for (const auto& row : layout::Controls()) {
    HWND control = CreateControl(Handle(), row, ControlId(row.name));
    controls_.at(IndexOf(row.id)) = control;
    if (row.kind != layout::Kind::TextBox) continue;
    SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(control, BoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  // Frames lie beneath the options they hold. Moved below everything, they
  // still close the option arrays for the arrow keys, and take no focus.
  for (const auto& row : layout::Controls()) {
    if (row.kind != layout::Kind::Frame) continue;
    SetWindowPos(Child(row.id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  built_ = true;
}

void CalculatorWindow::UseFont() {
  OwnedFont font(CreateUiFont(dpi_));
  for (HWND control : controls_) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  // The old font goes only now that no control uses it.
  font_.swap(font);
}

void CalculatorWindow::SizeClientArea(int width, int height) {
  const RECT client{0, 0, width, height};
  RECT outer = OuterRect(client, kWindowStyle, true, dpi_);
  const auto resize = [this](const RECT& rect) {
    SetWindowPos(Handle(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  resize(outer);
  // A menu bar that wraps takes more than one row: make up the difference.
  RECT actual{};
  GetClientRect(Handle(), &actual);
  outer.bottom += client.bottom - actual.bottom;
  resize(outer);
}

void CalculatorWindow::Show(int show) {
  // Every control placed and filled in: shown together, painted with the
  // window in its first paint.
  for (HWND control : controls_) ShowWindow(control, SW_SHOWNA);
  lastFocus_ = Child(Control::Date1Box);
  ShowWindow(Handle(), show);
  UpdateWindow(Handle());
  SetFocus(lastFocus_);
}

void CalculatorWindow::Destroy() { window_.reset(); }

bool CalculatorWindow::HandleDialogKeys(MSG& msg) {
  if (Handle() == nullptr) return false;
  return OnKey(msg) || IsDialogMessageW(Handle(), &msg) != FALSE;
}

bool CalculatorWindow::OnKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || (msg.hwnd != Handle() && IsChild(Handle(), msg.hwnd) == FALSE)) {
    return false;
  }
  KeyPress press{.control = ControlOf(msg.hwnd)};
  if (msg.wParam == VK_F1) press.key = Key::F1;
  // Ctrl+C, Shift or not, as an edit control copies; Ctrl+Alt+C types a
  // character on some keyboards. Only copying asks for the selection.
  if (msg.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
    press.key = Key::Copy;
    press.selection = HasSelection(msg.hwnd);
  }
  return events_.KeyPressed(press);
}

std::optional<Control> CalculatorWindow::ControlOf(HWND child) const {
  for (const layout::ControlRow& row : layout::Controls()) {
    if (Child(row.id) == child) return row.id;
  }
  return std::nullopt;
}

LRESULT CALLBACK CalculatorWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<CalculatorWindow*>(FromInteger<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = FromInteger<CalculatorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Destroyed, by the owner or by the system: nothing is left to own.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    (void)self->window_.release();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->OnMessage(message, wParam, lParam);
}

LRESULT CalculatorWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Menus send 0 as the notification, buttons BN_CLICKED (also 0).
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_SIZE:
      if (built_) events_.Resized();
      return 0;
    case WM_CLOSE: events_.Closing(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *FromInteger<const RECT*>(lParam)); return 0;
    case kMoveFocus: MoveFocusOn(); return 0;
    case WM_CONTEXTMENU:
      if (OnContextMenu(FromInteger<HWND>(wParam), lParam)) return 0;
      return DefWindowProcW(Handle(), message, wParam, lParam);
    default: return DefWindowProcW(Handle(), message, wParam, lParam);
  }
}

void CalculatorWindow::OnCommand(int id) {
  for (const layout::MenuRow& menu : layout::Menus()) {
    if (id == MenuId(menu.name)) events_.MenuChosen(menu.id);
  }
  const auto controls = layout::Controls();
  const auto index = static_cast<std::size_t>(id - kFirstControlId);
  if (id < kFirstControlId || index >= controls.size()) return;
  const layout::ControlRow& row = controls[index];
  if (row.kind == layout::Kind::Button || row.kind == layout::Kind::OptionButton) {
    events_.Clicked(row.id);
  }
}

// The display labels offer their text for copying; the result boxes, being
// edit controls, have their own menu.
bool CalculatorWindow::OnContextMenu(HWND target, LPARAM where) {
  for (Control display : {Control::Date1Display, Control::Date2Display}) {
    if (Child(display) == target) {
      OfferCopy(Handle(), target, where);
      return true;
    }
  }
  return false;
}

void CalculatorWindow::OnActivate(bool active) {
  // A plain window does not keep its focus across activation as a dialog
  // does; put it back where it was.
  if (!active) {
    lastFocus_ = GetFocus();
  } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
    SetFocus(lastFocus_);
  }
}

void CalculatorWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  UseFont();
  events_.DpiChanged();
}

void CalculatorWindow::MoveFocusOn() {
  HWND next = GetNextDlgTabItem(Handle(), GetFocus(), FALSE);
  if (next == nullptr) return;
  SetFocus(next);
  // As Tab does in a dialog: a box reached this way has its text selected.
  if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
    SendMessageW(next, EM_SETSEL, 0, -1);
  }
}

void CalculatorWindow::PostMoveFocusOn() { PostMessageW(Handle(), kMoveFocus, 0, 0); }

LRESULT CALLBACK CalculatorWindow::BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR /*id*/, DWORD_PTR self) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter reaches the box as a character, as other keys do, instead of
      // the dialog keys' default button.
      LRESULT code = DefSubclassProc(box, message, wParam, lParam);
      const auto* msg = FromInteger<const MSG*>(lParam);
      if (msg != nullptr && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_CHAR: return FromInteger<CalculatorWindow*>(self)->OnBoxChar(box, wParam, lParam);
    case WM_NCDESTROY: RemoveWindowSubclass(box, BoxProc, 0); break;
    default: break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT CalculatorWindow::OnBoxChar(HWND box, WPARAM wParam, LPARAM lParam) {
  const KeyPress press{.control = ControlOf(box), .character = static_cast<char16_t>(wParam)};
  if (events_.KeyPressed(press)) return 0;
  return DefSubclassProc(box, WM_CHAR, wParam, lParam);
}

}  // namespace kalvenor::ui::win32
