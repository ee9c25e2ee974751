// The help launcher: the program's own directory and the desktop's
// "open this document" service.
#pragma once

#include <string>

#include "ui/toolkit.h"

namespace hhelp {

// The directory holding the running executable (links resolved), without a
// trailing "/". At the root this leaves the empty text, so the help paths
// built on it are "/help" and "/help.htm", never "//help".
std::u16string AppDirectory();

// The directory part of an executable's path as AppDirectory gives it:
// everything before the last "/" ("/opt/k/kalvenor" -> "/opt/k",
// "/kalvenor" -> "").
std::u16string DirectoryOf(const std::u16string& executable);

// Whether an ordinary file (links followed) exists at path; a directory
// does not count.
bool FileExists(const std::u16string& path);

// Opens the document with the desktop's default application for its type.
// A name without any "." gets ".HTM" appended; when the desktop refuses,
// name + ".HTM" is tried once more, and if that fails too the browser
// warning is shown in window.
void OpenDocument(ui::Toolkit& window, const std::u16string& name);

}  // namespace hhelp
