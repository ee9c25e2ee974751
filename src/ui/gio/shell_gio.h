// Opening a document the way the desktop does: with the application the
// user's desktop associates with its type, found and started through GIO.
// GIO is loaded on the first request, not at start: most runs never ask
// for help, and the window opens sooner without it.
#pragma once

#include <filesystem>

namespace kalvenor::shell {

// path itself when an entry with exactly this name exists; otherwise the
// entry of the same directory whose name matches the last component
// ignoring case (the first in byte order when several do); otherwise path.
// Lets "help.HTM" name "help.htm" on a case-sensitive file system.
std::filesystem::path ResolveNameCase(const std::filesystem::path& path);

// Starts the default application for the file at path (last component
// resolved with ResolveNameCase) and returns without waiting for it. The
// path travels as a file URI argument, never through a shell. False when
// GIO cannot be loaded, the file is missing, no application is associated
// with its type, or the application cannot be started.
bool OpenWithDefaultApplication(const std::filesystem::path& path);

}  // namespace kalvenor::shell
