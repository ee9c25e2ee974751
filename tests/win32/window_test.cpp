// kalvenor.exe driven from another process by window messages alone: what the Win32 backend can
// break on its own (the shared form logic is pinned on the in-memory window).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "ui/layout.h"
#include "ui/units.h"
#include "ui/win32/ids.h"

namespace {

namespace layout = kalvenor::ui::layout;
using kalvenor::ui::win32::MenuId;

// A running copy of kalvenor.exe alone in a folder named in kana (no help.htm).
class Kalvenor : public ::testing::Test {
 protected:
  void SetUp() override { Start(96); }

  // Wine reads the DPI from the registry as a program starts.
  void Start(DWORD dpi) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);  // rects as its own
    // The window's font as one whose full-width characters are one em wide, as on Windows.
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", L"MS UI Gothic",
                    REG_SZ, L"IPAGothic", sizeof L"IPAGothic");
    RegSetKeyValueW(HKEY_CURRENT_CONFIG, L"Software\\Fonts", L"LogPixels", REG_DWORD, &dpi,
                    sizeof dpi);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"カルベノル" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"\\kalvenor.exe";
    ASSERT_TRUE(CopyFileW(KALVENOR_EXE, exe.c_str(), FALSE));
    STARTUPINFOW startup{.cb = sizeof(STARTUPINFOW)};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &process));
    for (int wait = 0; wait < 1000 && !(window && IsWindowVisible(window)); ++wait, Sleep(20))
      window = FindWindowW(kalvenor::ui::win32::kWindowClass, L"Kalvenor");
    ASSERT_NE(nullptr, window);
    Settle();
  }

  // The program's message box: the only program in the test's own Wine prefix.
  static HWND Box() { return FindWindowW(L"#32770", L"Kalvenor"); }

  void TearDown() override {
    TerminateProcess(process.hProcess, 9);  // if still running
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    window = nullptr;
  }

  // A loaded machine may still be working through what an action posted: round trips through the
  // program's message loop go on until the focus, the texts and the boxes stop changing.
  void Settle() {
    std::wstring before;
    for (int round = 0; round < 100; ++round) {
      for (int turn = 0; turn < 6; ++turn)
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
      std::wstring now = std::to_wstring(reinterpret_cast<std::uintptr_t>(Focus()));
      for (const auto& row : layout::Controls()) now += L"|" + Text(row.name.data());
      if (Box()) now += L"|box";
      if (round > 0 && now == before) return;
      before = std::move(now);
    }
  }

  HWND At(const char* name) { return GetDlgItem(window, kalvenor::ui::win32::ControlId(name)); }
  std::wstring Text(const char* name) { return Text(At(name)); }
  static std::wstring Text(HWND control) {
    wchar_t text[256] = {};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
  }
  void Type(const char* name, const wchar_t* text) {
    SendMessageW(At(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }

  // A key as the keyboard sends it, to the control that has the focus, with Shift or Ctrl held.
  void Press(WPARAM key, BYTE held = 0) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
    BYTE keys[2][256] = {};  // with the key held, then all up
    keys[0][held] = held != 0 ? 0x80 : 0;
    SetKeyboardState(keys[0]);
    Post(Focus(), WM_KEYDOWN, key);
    SetKeyboardState(keys[1]);
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
  }
  void Post(HWND to, UINT message, WPARAM wParam) {
    PostMessageW(to, message, wParam, 1);
    Settle();
  }
  // A button or option, as the mouse clicks it: it takes the focus too.
  void Click(const char* name) { Post(At(name), BM_CLICK, 0); }

  HWND Focus() {
    GUITHREADINFO info{.cbSize = sizeof(GUITHREADINFO)};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
  }
  std::string FocusName() {
    for (const auto& row : layout::Controls())
      if (At(row.name.data()) == Focus()) return std::string(row.name);
    return "(none)";
  }

  // The text of the program's message box (Settle waits for it), closed with OK.
  std::wstring CloseMessageBox() {
    const HWND box = Box();
    std::wstring text = box ? Text(GetDlgItem(box, 0xFFFF)) : L"(no box)";
    Post(box, WM_COMMAND, IDOK);
    return text;
  }

  // In pixels of the window's client area; options too, though they lie in a frame.
  RECT RectOf(std::string_view name) {
    RECT rect;
    GetWindowRect(At(std::string(name).c_str()), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  // The focus on three rounds of Tab, then of Shift+Tab, listed in forward order.
  void ExpectThreeRounds(const std::string& order) {
    std::string forward, back;
    for (int i = 0; i < 18; ++i, Press(VK_TAB)) forward += FocusName() + " ";
    for (int i = 0; i < 18; ++i) {
      Press(VK_TAB, VK_SHIFT);
      back.insert(0, FocusName() + " ");
    }
    EXPECT_EQ(order + order + order, forward);
    EXPECT_EQ(order + order + order, back);
  }

  std::wstring folder;
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
};

// The width of a caption in the font the control draws it with.
int CaptionWidth(HWND control, const std::wstring& caption) {
  HDC dc = GetDC(control);
  const LRESULT font = SendMessageW(control, WM_GETFONT, 0, 0);
  SelectObject(dc, reinterpret_cast<HFONT>(font));  // NOLINT(performance-no-int-to-ptr)
  SIZE size{};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  ReleaseDC(control, dc);
  return size.cx;
}

// At either DPI, the client area as tall as laid out (a wrapped menu bar made up for), and every
// control inside its container (options lie in a frame, but are the window's children) and wide
// enough for its caption and mark.
TEST_F(Kalvenor, EveryControlLiesInsideItsContainerAndHoldsItsCaption) {
  for (const int dpi : {144, 96}) {
    TearDown();
    Start(dpi);
    SCOPED_TRACE(dpi);
    RECT client, inside;
    GetClientRect(window, &client);
    EXPECT_EQ(kalvenor::ui::ToPixels(layout::kClientSize.height, dpi), client.bottom);
    for (const auto& row : layout::Controls()) {
      if (row.kind == layout::Kind::Line) continue;
      SCOPED_TRACE(row.name);
      const RECT rect = RectOf(row.name);
      const RECT container = row.container ? RectOf(layout::RowOf(*row.container).name) : client;
      IntersectRect(&inside, &rect, &container);
      EXPECT_TRUE(EqualRect(&inside, &rect));
      const std::wstring caption = Text(row.name.data());
      if (row.kind == layout::Kind::TextBox || caption.empty()) continue;
      const int mark =
          row.kind == layout::Kind::OptionButton ? GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) : 0;
      EXPECT_LE(CaptionWidth(At(row.name.data()), caption) + mark, rect.right - rect.left);
    }
  }
}

// One walk through the real controls: Tab and Shift+Tab three times round in either mode, meeting
// an option array at its selected member, the arrows moving inside it; Enter in a real edit showing
// the date and moving on, or calculating, with full-width text as an input method types it; Ctrl+C
// copying the result; real boxes titled "Kalvenor", a lone CR shown as a line break; F1 asking for
// the help, which is not beside the copy; the quit button ending the program.
TEST_F(Kalvenor, TabEnterCopyAndMessageBoxesThroughTheRealControls) {
  ExpectThreeRounds("Text1 Text2 Command1 Command2 Option1(0) Option2(0) ");
  Type("Text1", L"ｈ１２／１／１");
  Press(VK_RETURN);
  EXPECT_EQ(L"H 12/ 1/ 1(土)", Text("Label4"));
  EXPECT_EQ("Text2", FocusName());
  Type("Text2", L"h11/1/1");
  Press(VK_RETURN);
  EXPECT_EQ(L"-365", Text("Text3"));
  EXPECT_EQ("Text2", FocusName());
  Press('C', VK_CONTROL);
  OpenClipboard(nullptr);
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  EXPECT_EQ(Text("Text3"), data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"(none)");
  if (data) GlobalUnlock(data);
  CloseClipboard();
  Click("Option2(1)");
  Click("Option1(0)");
  Press(VK_DOWN);
  EXPECT_EQ("Option1(1)", FocusName());
  EXPECT_EQ(BST_CHECKED, SendMessageW(At("Option1(1)"), BM_GETCHECK, 0, 0));
  Press(VK_TAB);  // on to Option2(1), and round to Text1
  Press(VK_TAB);
  ExpectThreeRounds("Text1 Text3 Command1 Command2 Option1(1) Option2(1) ");
  Post(window, WM_COMMAND, MenuId("ABOUT"));
  EXPECT_EQ(0u, CloseMessageBox().find(L"Kalvenor Ver 1.00.2\r\n\r\n"));
  Press(VK_F1);
  EXPECT_EQ(folder + L"\\help.htmがありません。", CloseMessageBox());
  Click("Command2");
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 20000));
}

// Closing the window ends the program, as its quit button does.
TEST_F(Kalvenor, ClosingTheWindowEndsTheProgram) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 20000));
}

}  // namespace
