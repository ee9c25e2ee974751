#include "ui/gio/shell_gio.h"

#include <dlfcn.h>
#include <gio/gio.h>

#include <string>
#include <system_error>

namespace kalvenor::shell {
namespace {

namespace fs = std::filesystem;

// The four GIO functions used, resolved at run time.
struct Gio {
  decltype(&g_file_new_for_path) newForPath;
  decltype(&g_file_get_uri) getUri;
  decltype(&g_app_info_launch_default_for_uri) launchDefault;
  decltype(&g_object_unref) unref;
};

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

// Loaded once, on first use; null when the library or a function is missing.
const Gio* LoadedGio() {
  static const Gio* const gio = []() -> const Gio* {
    void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    static Gio loaded{};
    const bool complete =
        library != nullptr && Resolve(library, "g_file_new_for_path", loaded.newForPath) &&
        Resolve(library, "g_file_get_uri", loaded.getUri) &&
        Resolve(library, "g_app_info_launch_default_for_uri", loaded.launchDefault) &&
        Resolve(library, "g_object_unref", loaded.unref);
    return complete ? &loaded : nullptr;
  }();
  return gio;
}

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

fs::path ResolveNameCase(const fs::path& path) {
  std::error_code error;
  if (!path.has_filename() || fs::exists(fs::symlink_status(path, error))) return path;
  const std::string key = Folded(path.filename().native());
  const fs::path directory = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::string best;
  fs::directory_iterator entry(directory, error);
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    const std::string name = entry->path().filename().native();
    if (Folded(name) == key && (best.empty() || name < best)) best = name;
  }
  return best.empty() ? path : path.parent_path() / best;
}

bool OpenWithDefaultApplication(const fs::path& path) {
  const Gio* gio = LoadedGio();
  if (gio == nullptr) return false;
  GFile* file = gio->newForPath(ResolveNameCase(path).c_str());
  g_autofree char* uri = gio->getUri(file);
  gio->unref(file);
  g_autoptr(GError) error = nullptr;
  return gio->launchDefault(uri, nullptr, &error) != FALSE;
}

}  // namespace kalvenor::shell
