// The help launcher's Linux part: GIO for the desktop's default
// applications.
#include <filesystem>
#include <system_error>

#include "text/utf8.h"
#include "ui/gio/shell_gio.h"
#include "ui/help_launcher.h"

namespace kalvenor::help {

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
