// kalvenor-cli on Windows: the arguments arrive as UTF-16 and become the
// UTF-8 the shared program reads; the standard streams carry bytes, with no
// CR LF translation, and a console shows and takes Japanese in any code page.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/console_windows.h"

// The shared main, compiled under this name for Windows.
int KalvenorUtf8Main(int argc, char** argv);

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(Utf8(argv[i]));
  std::vector<char*> utf8Argv;
  for (std::string& argument : arguments) utf8Argv.push_back(argument.data());
  utf8Argv.push_back(nullptr);

  for (const int fd : {0, 1, 2}) _setmode(fd, _O_BINARY);
  // Only a run that reads standard input ("-") takes what the user types.
  if (std::ranges::find(arguments, "-") != arguments.end()) cli::RelayConsoleInput();
  const cli::ConsoleOutput console;
  return KalvenorUtf8Main(argc, utf8Argv.data());
}
