// Starts the program through CreateProcessW with files for its three
// streams. Windows has no way to fix today for one child: a whole run of
// the runner under libfaketime (Wine) fixes it and names the date in
// KALVENOR_FIXED_TODAY, and takes only the cases that need that today.
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <memory>
#include <string>

#include "process.h"

namespace kalvenor::testing {
namespace {

using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;

std::wstring Wide(const std::string& utf8) {
  std::wstring text(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0), 0);
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), int(text.size()));
  return text;
}

// One argument, quoted so that the C runtime's split gives it back as is.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\') += c;
    backslashes = 0;
  }
  return quoted.append(2 * backslashes, L'\\') + L'"';
}

// This process's environment less the locale variables, then the case's.
std::wstring Environment(const Process& process) {
  std::wstring block;
  const std::unique_ptr<wchar_t, decltype(&FreeEnvironmentStringsW)> all(GetEnvironmentStringsW(),
                                                                         &FreeEnvironmentStringsW);
  for (const wchar_t* entry = all.get(); *entry != L'\0'; entry += std::wcslen(entry) + 1) {
    bool locale = false;
    for (const wchar_t* name : {L"LC_ALL=", L"LC_MESSAGES=", L"LANG=", L"LANGUAGE="}) {
      locale = locale || _wcsnicmp(entry, name, std::wcslen(name)) == 0;
    }
    if (!locale) block.append(entry) += L'\0';
  }
  for (const std::string& entry : process.environment) block.append(Wide(entry)) += L'\0';
  return block += L'\0';
}

Handle TempFile() {
  wchar_t folder[MAX_PATH + 1], name[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, folder);
  GetTempFileNameW(folder, L"kc", 0, name);
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  return Handle(CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            &inherited, CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr),
                &CloseHandle);
}

std::string ReadAll(HANDLE file) {
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  std::string text;
  char block[1 << 16];
  for (DWORD got = 0; ReadFile(file, block, sizeof block, &got, nullptr) && got > 0;) {
    text.append(block, got);
  }
  return text;
}

}  // namespace

// Each fixed-today run takes its own cases; and a command line is UTF-16,
// so an argument that is not UTF-8 cannot be given at all.
bool CanStart(const Process& process) {
  const char* fixed = std::getenv("KALVENOR_FIXED_TODAY");
  if (process.today != (fixed != nullptr ? fixed : "")) return false;
  for (const std::string& arg : process.args) {
    const int size = static_cast<int>(arg.size());
    if (size > 0 &&
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, arg.data(), size, nullptr, 0) == 0) {
      return false;
    }
  }
  return true;
}

Finished Start(const Process& process) {
  const Handle in = TempFile(), out = TempFile(), err = TempFile();
  DWORD written = 0;
  WriteFile(in.get(), process.input.data(), DWORD(process.input.size()), &written, nullptr);
  SetFilePointer(in.get(), 0, nullptr, FILE_BEGIN);
  std::wstring commandLine;
  for (const std::string& arg : process.args) commandLine += Quoted(Wide(arg)) + L' ';
  std::wstring environment = Environment(process);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup, startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in.get(), startup.hStdOutput = out.get(), startup.hStdError = err.get();
  PROCESS_INFORMATION started{};
  Finished finished;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                      CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, environment.data(), nullptr,
                      &startup, &started)) {
    return finished;
  }
  const Handle child(started.hProcess, &CloseHandle), thread(started.hThread, &CloseHandle);
  DWORD status = 0;
  WaitForSingleObject(child.get(), INFINITE);
  GetExitCodeProcess(child.get(), &status);
  finished.status = int(status);
  finished.out = ReadAll(out.get());
  finished.err = ReadAll(err.get());
  return finished;
}

}  // namespace kalvenor::testing
