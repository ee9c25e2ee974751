// The help launcher on Windows: the program's folder from the module's own
// file name, a file test for which hidden and system files count as
// missing, and the shell's "open" of the document.
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include "text/fields.h"
#include "ui/hhelp.h"
#include "ui/win32/wide.h"

namespace hhelp {
namespace {

constexpr char16_t kBrowserWarning[] =
    u"ヘルプを表示するにはＨＴＭＬ対応のブラウザが必要です。\r"
    u" インターネットエクスプローラなどを準備してください。\r"
    u"   とりあえず 表示しますが、正しく表示できません";

constexpr char16_t kExtension[] = u".HTM";

// The viewer starts in the root of drive C, whatever the program's folder.
constexpr wchar_t kWorkingDirectory[] = L"c:\\";

// Above 32 the shell has opened the document.
constexpr INT_PTR kShellFailureLimit = 32;

bool Open(HWND owner, const std::u16string& file) {
  const HINSTANCE result = ShellExecuteW(owner, nullptr, ui::win32::Wide(file).c_str(), nullptr,
                                         kWorkingDirectory, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > kShellFailureLimit;
}

// The running program's full path; the buffer grows until the path fits,
// so a folder deeper than MAX_PATH is found too.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::u16string DirectoryOf(const std::u16string& executable) {
  const auto separator = executable.rfind(u'\\');
  return separator == std::u16string::npos ? std::u16string() : executable.substr(0, separator);
}

std::u16string AppDirectory() { return DirectoryOf(ui::win32::Utf16(ModulePath())); }

bool FileExists(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(ui::win32::Wide(path).c_str());
  constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotAFile) == 0;
}

void OpenDocument(ui::Toolkit& window, const std::u16string& name) {
  // The menu that asked is the main window's, so it is the active one.
  HWND owner = GetActiveWindow();
  const std::u16string withExtension = name + kExtension;
  const bool hasDot = chars::NthOccurrence(name, u".", 1) >= 0;
  if (Open(owner, hasDot ? name : withExtension)) return;
  // Asked again with the extension even when the first name already had it.
  if (Open(owner, withExtension)) return;
  window.ShowMessage(kBrowserWarning, ui::MessageIcon::Warning);
}

}  // namespace hhelp
