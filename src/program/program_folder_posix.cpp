#include <system_error>

#include "program/program_folder.h"

namespace kalvenor {

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  // Without the link there is no folder: "" would make a path relative to
  // the root, a file that is not the program's.
  return error ? std::filesystem::path() : program.parent_path();
}

}  // namespace kalvenor
