// The help launcher: the desktop's "open this document" service. Paths stay std::filesystem::path
// from the system to the system, bytes on Linux; only what a message box shows becomes text.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "ui/toolkit.h"

namespace kalvenor::help {

// --- The platform's part: ui/gio on Linux, ui/win32 on Windows.

// Whether an ordinary file exists at path; a directory does not count.
bool FileExists(const std::filesystem::path& path);

// Asks the desktop to open file with the application associated with its
// type, owner being the window's handle, and returns without waiting.
// False when nothing was started.
bool ShellOpen(std::uintptr_t owner, const std::filesystem::path& file);

// The path as a message box shows it; what does not decode shows as U+FFFD.
std::u16string ShownPath(const std::filesystem::path& path);

// --- The same everywhere.

// Opens the document with the desktop's default application for its type.
// A name without any "." gets ".HTM" appended; when the desktop refuses,
// name + ".HTM" is tried once more, and if that fails too the browser
// warning is shown in window.
void OpenDocument(ui::WindowBasics& window, const std::filesystem::path& name);

}  // namespace kalvenor::help
