// The help launcher's Windows part: a file test for which hidden and system files count as
// missing, and the shell's "open" of the document.
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include "ui/help_launcher.h"
#include "ui/win32/wide.h"

namespace kalvenor::help {
namespace {

// The viewer starts in the root of drive C, whatever the program's folder.
constexpr wchar_t kWorkingDirectory[] = L"c:\\";

// Above 32 the shell has opened the document.
constexpr INT_PTR kShellFailureLimit = 32;

}  // namespace

bool FileExists(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotAFile) == 0;
}

// Wide, so that a folder name outside the ANSI code page reaches the shell
// whole; nothing goes through a command interpreter. The shell's library
// is loaded on the first request: it brings many others with it, and most
// runs never ask for help.
bool ShellOpen(std::uintptr_t owner, const std::filesystem::path& file) {
  using ShellExecuteFn = decltype(&ShellExecuteW);
  static const auto shellExecute = []() -> ShellExecuteFn {
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    if (shell == nullptr) return nullptr;
    // The cast from FARPROC is how a function found by name is called.
    return reinterpret_cast<ShellExecuteFn>(  // NOLINT
        reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW")));
  }();
  if (shellExecute == nullptr) return false;
  const HINSTANCE result = shellExecute(ui::win32::FromInteger<HWND>(owner), nullptr, file.c_str(),
                                        nullptr, kWorkingDirectory, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > kShellFailureLimit;
}

std::u16string ShownPath(const std::filesystem::path& path) {
  return ui::win32::Utf16(path.native());
}

}  // namespace kalvenor::help
