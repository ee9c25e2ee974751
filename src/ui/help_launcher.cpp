#include "ui/help_launcher.h"

#include "ui/texts.h"

namespace kalvenor::help {

void OpenDocument(ui::WindowBasics& window, const std::filesystem::path& name) {
  // Appended in upper case: the shell layer finds help.htm for help.HTM.
  std::filesystem::path withExtension = name;
  withExtension += ".HTM";
  const bool hasDot = name.native().find('.') != std::filesystem::path::string_type::npos;
  if (ShellOpen(window.WindowHandle(), hasDot ? name : withExtension)) return;
  // Asked again with the extension even when the first name already had it.
  if (ShellOpen(window.WindowHandle(), withExtension)) return;
  window.ShowMessage(std::u16string(ui::texts::kBrowserWarning), ui::MessageIcon::Warning);
}

}  // namespace kalvenor::help
