#include "ui/shell_gio.h"

#include <gio/gio.h>

#include <filesystem>
#include <system_error>

namespace shell {
namespace {

namespace fs = std::filesystem;

// Case-folded UTF-8, so that "HTM" and "htm" (and "Ä" and "ä") compare
// equal; names that are not UTF-8 are compared as they are.
std::string Folded(const std::string& name) {
  if (!g_utf8_validate(name.data(), static_cast<gssize>(name.size()), nullptr)) {
    return name;
  }
  g_autofree char* folded = g_utf8_casefold(name.data(), static_cast<gssize>(name.size()));
  return folded;
}

}  // namespace

std::string ResolveNameCase(const std::string& path) {
  const fs::path wanted(path);
  std::error_code error;
  if (!wanted.has_filename() || fs::exists(fs::symlink_status(wanted, error))) {
    return path;
  }
  const std::string key = Folded(wanted.filename().native());
  const fs::path directory = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
  std::string best;
  fs::directory_iterator entry(directory, error);
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    const std::string name = entry->path().filename().native();
    if (Folded(name) == key && (best.empty() || name < best)) best = name;
  }
  return best.empty() ? path : (wanted.parent_path() / best).native();
}

bool OpenWithDefaultApplication(const std::string& path) {
  g_autoptr(GFile) file = g_file_new_for_path(ResolveNameCase(path).c_str());
  g_autofree char* uri = g_file_get_uri(file);
  g_autoptr(GError) error = nullptr;
  return g_app_info_launch_default_for_uri(uri, nullptr, &error);
}

}  // namespace shell
