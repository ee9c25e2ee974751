#include "ui/hhelp.h"

#include <filesystem>
#include <system_error>

#include "text/fields.h"
#include "text/utf8.h"
#include "ui/shell_gio.h"

namespace hhelp {
namespace {

// Shown when the desktop opens neither name.
constexpr char16_t kBrowserWarning[] =
    u"ヘルプを表示するにはＨＴＭＬ対応のブラウザが必要です。\r"
    u" インターネットエクスプローラなどを準備してください。\r"
    u"   とりあえず 表示しますが、正しく表示できません";

// Appended in upper case: the shell layer finds help.htm for help.HTM.
constexpr char16_t kExtension[] = u".HTM";

bool Open(const std::u16string& name) {
  return shell::OpenWithDefaultApplication(chars::ToUtf8(name));
}

}  // namespace

std::u16string DirectoryOf(const std::u16string& executable) {
  const auto slash = executable.rfind(u'/');
  return slash == std::u16string::npos ? std::u16string() : executable.substr(0, slash);
}

std::u16string AppDirectory() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return DirectoryOf(chars::FromUtf8(executable.native()));
}

bool FileExists(const std::u16string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(chars::ToUtf8(path), error);
}

void OpenDocument(ui::Toolkit& window, const std::u16string& name) {
  const std::u16string withExtension = name + kExtension;
  const bool hasDot = chars::NthOccurrence(name, u".", 1) >= 0;
  if (Open(hasDot ? name : withExtension)) return;
  // Asked again with the extension even when the first name already had it.
  if (Open(withExtension)) return;
  window.ShowMessage(kBrowserWarning, ui::MessageIcon::Warning);
}

}  // namespace hhelp
