// The help launcher's Linux part: /proc for the program's directory, GIO
// for the desktop's default applications.
#include <filesystem>
#include <system_error>

#include "text/utf8.h"
#include "ui/gio/shell_gio.h"
#include "ui/hhelp.h"

namespace kalvenor::help {

std::filesystem::path AppDirectory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  // Without the link there is no folder to look in: "" would make the help
  // path "/help.htm", a file at the root that is not the program's.
  return error ? std::filesystem::path() : executable.parent_path();
}

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool ShellOpen(std::uintptr_t /*owner*/, const std::filesystem::path& file) {
  return shell::OpenWithDefaultApplication(file);
}

std::u16string ShownPath(const std::filesystem::path& path) {
  return text::FromUtf8(path.native());
}

}  // namespace kalvenor::help
