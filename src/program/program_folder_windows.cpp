#include <windows.h>

#include <string>

#include "program/program_folder.h"

namespace kalvenor {

std::filesystem::path ProgramFolder() {
  // The path may be longer than MAX_PATH: grow until it fits.
  for (DWORD size = MAX_PATH; size <= 1 << 16; size *= 2) {
    std::wstring path(size, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return std::filesystem::path(path).parent_path();
    }
  }
  return {};
}

}  // namespace kalvenor
