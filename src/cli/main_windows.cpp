// kalvenor-cli on Windows: the arguments arrive as UTF-16 and become the
// UTF-8 the shared program reads; the standard streams carry bytes, with no
// CR LF translation, a console shows and takes Japanese in any code page,
// and the messages speak the user's language.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/arguments.h"
#include "cli/console_windows.h"
#include "program/locale_setting.h"

// The shared main, compiled under this name for Windows.
int KalvenorUtf8Main(int argc, char** argv);

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

// Windows users name no locale in the environment: unless a variable does,
// the messages follow the user's display language, as "ll_CC".
void DefaultLocaleFromWindows() {
  if (!kalvenor::LocaleSetting().empty()) return;
  wchar_t name[LOCALE_NAME_MAX_LENGTH];
  const LCID display = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  if (LCIDToLocaleName(display, name, LOCALE_NAME_MAX_LENGTH, 0) == 0) return;
  std::string setting = "LANG=" + Utf8(name);
  std::ranges::replace(setting, '-', '_');
  _putenv(setting.c_str());
}

// Whether the run will read standard input: a command line that will be
// refused reads nothing, and a console read begun anyway would take the
// line the user types next at the shell's prompt.
bool ReadsStandardInput(const std::vector<std::string>& arguments) {
  const std::vector<std::string_view> words(arguments.begin() + 1, arguments.end());
  const auto parsed = kalvenor::cli::ParseArguments(words);
  const auto* invocation = std::get_if<kalvenor::cli::Invocation>(&parsed);
  return invocation != nullptr &&
         std::ranges::find(invocation->operands, kalvenor::cli::kStdinOperand) !=
             invocation->operands.end();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  arguments.reserve(argc + 1);
  for (int i = 0; i < argc; ++i) arguments.push_back(Utf8(argv[i]));
  DefaultLocaleFromWindows();
  for (const int fd : {0, 1, 2}) _setmode(fd, _O_BINARY);
  // A run that reads standard input takes what the user types, and then
  // answers each line at once, as at any terminal: the relay's pipe hides
  // the console from the shared program.
  if (ReadsStandardInput(arguments) && kalvenor::cli::RelayConsoleInput()) {
    arguments.insert(arguments.begin() + 1, "--line-buffered");
  }
  std::vector<char*> utf8Argv;
  utf8Argv.reserve(arguments.size() + 1);
  for (std::string& argument : arguments) utf8Argv.push_back(argument.data());
  utf8Argv.push_back(nullptr);

  const kalvenor::cli::ConsoleOutput console;
  return KalvenorUtf8Main(static_cast<int>(arguments.size()), utf8Argv.data());
}
