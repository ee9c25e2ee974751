// The folder that holds the running program, where its help document and
// message catalogues are found.
#pragma once

#include <filesystem>

namespace kalvenor {

// Links resolved; at the root of a drive "C:\", so that a name joins it as
// "C:\help". Empty when the system cannot tell.
std::filesystem::path ProgramFolder();

}  // namespace kalvenor
