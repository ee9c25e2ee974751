#include "ui/win32/controls.h"

#include "ui/win32/font.h"
#include "ui/win32/wide.h"

namespace kalvenor::ui::win32 {
namespace {

struct Look {
  const wchar_t* windowClass;
  DWORD style;
  DWORD extendedStyle = 0;
};

// Whether row is the first option button of its frame.
bool OpensItsGroup(const layout::ControlRow& row) {
  for (const layout::ControlRow& other : layout::Controls()) {
    if (other.kind == layout::Kind::OptionButton && other.container == row.container) {
      return &other == &row;
    }
  }
  return false;
}

// WS_GROUP on every control but the later option buttons of a frame
// closes each group to the arrow keys.
Look LookOf(const layout::ControlRow& row) {
  using layout::Kind;
  switch (row.kind) {
    case Kind::TextBox:
      return {L"EDIT", WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
    case Kind::Line: return {L"STATIC", WS_GROUP | SS_ETCHEDHORZ};
    case Kind::Frame: return {L"BUTTON", WS_GROUP | BS_GROUPBOX};
    case Kind::Button: return {L"BUTTON", WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON};
    case Kind::OptionButton:
      return {L"BUTTON", (OpensItsGroup(row) ? DWORD{WS_GROUP} : DWORD{0}) | BS_AUTORADIOBUTTON};
    // SS_NOTIFY: the right mouse button reaches a label, for its copy menu.
    case Kind::Label:
      return {L"STATIC", WS_GROUP | SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE | SS_NOTIFY};
  }
  return {L"STATIC", 0};
}

// Room around a caption, in pixels at 96 DPI: a push button's edges, an
// option's glyph and gap, a frame's inset either side of its title.
int CaptionMargin(layout::Kind kind) {
  switch (kind) {
    case layout::Kind::Button: return 16;
    case layout::Kind::OptionButton:
    case layout::Kind::Frame: return 20;
    default: return 0;
  }
}

}  // namespace

HWND CreateControl(HWND parent, const layout::ControlRow& row, int id) {
  const Look look = LookOf(row);
  // Each control keeps to its own rectangle, so the frames, created after
  // their options, never paint over them. Hidden until the window shows
  // them all at once.
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | look.style;
  return CreateWindowExW(look.extendedStyle, look.windowClass, Wide(row.caption).c_str(), style, 0,
                         0, 0, 0, parent, FromInteger<HMENU>(static_cast<INT_PTR>(id)),
                         FromInteger<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                         nullptr);
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

int CaptionWidth(layout::Kind kind, HFONT font, std::wstring_view caption, UINT dpi) {
  if (kind == layout::Kind::TextBox || kind == layout::Kind::Line || caption.empty()) return 0;
  return TextWidth(font, caption) + MulDiv(CaptionMargin(kind), static_cast<int>(dpi), 96);
}

}  // namespace kalvenor::ui::win32
