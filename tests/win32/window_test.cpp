// kalvenor.exe as a user meets it, driven from another process by window
// messages alone: places, start-up, both modes, keys, message boxes, quitting.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/win32/ids.h"

namespace {

using ui::win32::ControlId;
using ui::win32::MenuId;

// A fresh copy of kalvenor.exe in a folder of its own (without help.htm,
// named in kana so that a narrow call on the way would show), running.
class Kalvenor : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"カルベノル-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++runs);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring exe = folder + L"\\kalvenor.exe";
    ASSERT_TRUE(CopyFileW(KALVENOR_EXE, exe.c_str(), FALSE));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &process));
    WaitForInputIdle(process.hProcess, 20000);
    EnumWindows(
        [](HWND found, LPARAM self) {
          auto* test = reinterpret_cast<Kalvenor*>(self);
          DWORD pid = 0;
          GetWindowThreadProcessId(found, &pid);
          wchar_t name[64];
          GetClassNameW(found, name, 64);
          if (pid == test->process.dwProcessId && std::wstring(name) == ui::win32::kWindowClass)
            test->window = found;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    ASSERT_NE(nullptr, window);
  }

  void TearDown() override {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(process.hProcess, 9);
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteFileW((folder + L"\\kalvenor.exe").c_str());
    RemoveDirectoryW(folder.c_str());
  }

  // Returns once the program has handled what was posted to it and what
  // that posted in turn: each round trip waits for one more turn of its loop.
  void Settle() {
    for (int turn = 0; turn < 6; ++turn) {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    }
  }

  HWND At(const char* name) { return GetDlgItem(window, ControlId(name)); }

  static std::wstring Text(HWND control) {
    std::wstring text(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
  }
  std::wstring Text(const char* name) { return Text(At(name)); }

  void Type(const char* name, const wchar_t* text) {
    SendMessageW(At(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }

  // A key as the keyboard sends it, to the control that has the focus.
  void Press(WPARAM key, bool shift = false) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(Focus(), WM_KEYDOWN, key, 1);
    Settle();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
  }

  // A button or option, as the mouse clicks it: it takes the focus too.
  void Click(const char* name) {
    PostMessageW(At(name), BM_CLICK, 0, 0);
    Settle();
  }

  void Command(WPARAM id, HWND to) {
    PostMessageW(to, WM_COMMAND, id, 0);
    Settle();
  }

  HWND Focus() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
  }

  std::string FocusName() {
    for (const auto& spec : ui::layout::Controls())
      if (At(std::string(spec.name).c_str()) == Focus()) return std::string(spec.name);
    return "(none)";
  }

  // The text of the program's message box, which is then closed with OK.
  std::wstring CloseMessageBox() {
    HWND box = nullptr;
    EnumThreadWindows(
        GetWindowThreadProcessId(window, nullptr),
        [](HWND found, LPARAM box) {
          wchar_t name[16];
          GetClassNameW(found, name, 16);
          if (std::wstring(name) == L"#32770" && Text(found) == L"Kalvenor")
            *reinterpret_cast<HWND*>(box) = found;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return L"(no box)";
    const std::wstring text = Text(GetDlgItem(box, 0xFFFF));
    Command(IDOK, box);
    return text;
  }

  RECT RectIn(HWND control, HWND container) {
    RECT rect, origin;
    GetWindowRect(control, &rect);
    GetClientRect(container, &origin);
    MapWindowPoints(container, nullptr, reinterpret_cast<POINT*>(&origin), 2);
    OffsetRect(&rect, -origin.left, -origin.top);
    return rect;
  }

  bool Ended() { return WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0; }

  static inline int runs = 0;
  std::wstring folder;
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
};

// Logical pixels at 96 DPI, 15 twips each; an option relative to its frame.
// A control with a caption may grow to hold it, but not past its container.
TEST_F(Kalvenor, EveryControlStandsWhereItsTwipsSay) {
  const struct {
    const char* name;
    RECT want;
    const char* frame;
  } table[] = {
      {"Text1", {56, 16, 161, 41}, ""},
      {"Text2", {56, 48, 161, 73}, ""},
      {"Text3", {56, 80, 161, 105}, ""},
      {"Command1", {8, 184, 73, 209}, ""},
      {"Command2", {80, 184, 145, 209}, ""},
      {"Frame2", {8, 112, 217, 177}, ""},
      {"Frame3", {224, 112, 289, 177}, ""},
      {"Option1(0)", {8, 16, 201, 33}, "Frame2"},
      {"Option1(1)", {8, 40, 201, 57}, "Frame2"},
      {"Option2(0)", {8, 16, 57, 33}, "Frame3"},
      {"Option2(1)", {8, 40, 57, 57}, "Frame3"},
      {"Label1", {8, 16, 49, 41}, ""},
      {"Label2", {8, 48, 49, 73}, ""},
      {"Label3", {8, 80, 49, 105}, ""},
      {"Label4", {176, 16, 281, 41}, ""},
      {"Label5", {176, 48, 281, 73}, ""},
  };
  for (const auto& [name, want, frame] : table) {
    SCOPED_TRACE(name);
    RECT got = RectIn(At(name), window);
    if (*frame != 0) {
      const RECT container = RectIn(At(frame), window);
      OffsetRect(&got, -container.left, -container.top);
      EXPECT_LE(got.right, container.right - container.left);
    }
    EXPECT_EQ(want.left, got.left);
    EXPECT_EQ(want.top, got.top);
    EXPECT_EQ(want.bottom, got.bottom);
    EXPECT_EQ(want.right, Text(At(name)).empty() ? got.right : std::min(want.right, got.right));
    EXPECT_LE(got.right, 297);
  }
  RECT client, outer;
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  EXPECT_EQ(297, client.right);
  EXPECT_EQ(216, client.bottom);
  const RECT line = RectIn(At("Frame1"), window);  // as wide as the whole window
  EXPECT_EQ(outer.right - outer.left, line.right);
  EXPECT_EQ(2, line.bottom);
  EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 8.0, outer.left, 1);
  EXPECT_NEAR((GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 8.0, outer.top, 1);
}

// Difference mode, era style, empty boxes, the focus in Text1.
TEST_F(Kalvenor, OpensReadyForTheFirstDate) {
  EXPECT_EQ(L"Kalvenor", Text(window));
  for (const char* name : {"Text1", "Text2", "Text3", "Label4", "Label5"})
    EXPECT_EQ(L"", Text(name)) << name;
  for (const char* name : {"Option1(0)", "Option2(0)"})
    EXPECT_EQ(BST_CHECKED, SendMessageW(At(name), BM_GETCHECK, 0, 0)) << name;
  EXPECT_EQ("Text1", FocusName());
}

// The result box of each mode is read-only (readable, copyable) and out of
// the Tab order; the rows of the two inputs come first.
TEST_F(Kalvenor, ModesMoveTheRowsAndCalculateStylesRedisplay) {
  const auto readOnly = [this](const char* name) {
    return (GetWindowLongW(At(name), GWL_STYLE) & ES_READONLY) != 0;
  };
  Type("Text1", L"2000/1/1");
  Type("Text2", L"2000/12/31");
  Click("Command1");
  EXPECT_EQ(L" 365", Text("Text3"));
  EXPECT_EQ(L"H 12/ 1/ 1(土)|H 12/ 12/ 31(日)", Text("Label4") + L"|" + Text("Label5"));
  EXPECT_FALSE(readOnly("Text2"));
  EXPECT_TRUE(readOnly("Text3"));
  EXPECT_TRUE(IsWindowEnabled(At("Text3")));
  Click("Option2(1)");
  EXPECT_EQ(L" 2000/ 1/ 1(土)| 2000/ 12/ 31(日)", Text("Label4") + L"|" + Text("Label5"));
  Click("Option1(1)");
  EXPECT_TRUE(readOnly("Text2"));
  EXPECT_FALSE(readOnly("Text3"));
  EXPECT_EQ(80, RectIn(At("Text2"), window).top);
  EXPECT_EQ(48, RectIn(At("Text3"), window).top);
  Type("Text3", L"-1");
  Click("Command1");
  EXPECT_EQ(L" 1999/ 12/ 31(金)", Text("Text2"));
  EXPECT_EQ(L" 1999/ 12/ 31(金)", Text("Label5"));
}

// Enter in Text1 shows the date and moves on as Tab would; Enter in the
// mode's second input calculates and stays.
TEST_F(Kalvenor, EnterShowsMovesOnAndCalculates) {
  Type("Text1", L"h12/1/1");
  Press(VK_RETURN);
  EXPECT_EQ(L"H 12/ 1/ 1(土)", Text("Label4"));
  EXPECT_EQ(L"h12/1/1", Text("Text1"));
  EXPECT_EQ("Text2", FocusName());
  Type("Text2", L"h11/1/1");
  Press(VK_RETURN);
  EXPECT_EQ(L"-365", Text("Text3"));
  EXPECT_EQ("Text2", FocusName());
  Click("Option1(1)");
  Press(VK_TAB);  // on to Option2(0), and round to Text1
  Press(VK_TAB);
  Type("Text1", L"2000/1/2");
  Press(VK_RETURN);
  EXPECT_EQ("Text3", FocusName());
  Type("Text3", L"0.5");
  Press(VK_RETURN);
  EXPECT_EQ(L"H 12/ 1/ 3(月)", Text("Text2"));
  EXPECT_EQ("Text3", FocusName());
}

// The order is that of the layout, an option array met at its selected
// member; the arrow keys move the selection inside an array.
TEST_F(Kalvenor, TabAndShiftTabGoRoundBothWaysInBothModes) {
  const std::string difference = "Text1 Text2 Command1 Command2 Option1(0) Option2(0) ";
  const std::string addition = "Text1 Text3 Command1 Command2 Option1(1) Option2(0) ";
  std::string forward, backward;
  for (int i = 0; i < 18; ++i, Press(VK_TAB)) forward += FocusName() + " ";
  for (int i = 0; i < 18; ++i) {
    Press(VK_TAB, true);
    backward = FocusName() + " " + backward;
  }
  EXPECT_EQ(difference + difference + difference, forward);
  EXPECT_EQ(difference + difference + difference, backward);
  Click("Option1(0)");
  Press(VK_DOWN);
  EXPECT_EQ("Option1(1)", FocusName());
  EXPECT_EQ(BST_CHECKED, SendMessageW(At("Option1(1)"), BM_GETCHECK, 0, 0));
  Press(VK_TAB);
  Press(VK_TAB);
  forward = backward = "";
  for (int i = 0; i < 18; ++i, Press(VK_TAB)) forward += FocusName() + " ";
  for (int i = 0; i < 18; ++i) {
    Press(VK_TAB, true);
    backward = FocusName() + " " + backward;
  }
  EXPECT_EQ(addition + addition + addition, forward);
  EXPECT_EQ(addition + addition + addition, backward);
}

// Every box titled "Kalvenor", a lone CR shown as a line break.
TEST_F(Kalvenor, MessageBoxesSayWhatWentWrong) {
  Command(MenuId("ABOUT"), window);
  EXPECT_EQ(0u, CloseMessageBox().find(L"Kalvenor Ver 1.00.2\r\n\r\n"));
  Command(MenuId("HELP"), window);
  EXPECT_EQ(folder + L"\\help.htmがありません。", CloseMessageBox());
  Click("Option1(1)");
  const struct {
    const wchar_t* days;
    const wchar_t* says;
  } table[] = {
      {L"99999999999", L"オーバーフローしました。"},  // the sum leaves 32 bits
      {L"12000000", L"オーバーフローしました。"},     // the year leaves 16 bits
      {L"-800000", L"計算結果が範囲外です。"},        // before 0001-01-01
  };
  for (const auto& [days, says] : table) {
    Type("Text1", L"2000/1/1");
    Type("Text3", days);
    Click("Command1");
    EXPECT_EQ(says, CloseMessageBox()) << days;
  }
  EXPECT_EQ(L"(no box)", CloseMessageBox());
}

// The button, the menu entry and closing the window all end the program.
TEST_F(Kalvenor, QuitsByButton) {
  Click("Command2");
  EXPECT_TRUE(Ended());
}

TEST_F(Kalvenor, QuitsByMenu) {
  PostMessageW(window, WM_COMMAND, MenuId("End"), 0);
  EXPECT_TRUE(Ended());
}

TEST_F(Kalvenor, QuitsWhenClosed) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Ended());
}

}  // namespace
