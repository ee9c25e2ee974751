// Starts the program through CreateProcessW with temporary files for its
// three streams.
#include <windows.h>

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

void SetVariable(const std::string& name, const char* value) {
  SetEnvironmentVariableW(Wide(name).c_str(), value != nullptr ? Wide(value).c_str() : nullptr);
}

Finished RunProgram(const std::vector<std::string>& args, const std::string& input) {
  const Handle in = TempFile(), out = TempFile(), err = TempFile();
  DWORD written = 0;
  WriteFile(in.get(), input.data(), DWORD(input.size()), &written, nullptr);
  SetFilePointer(in.get(), 0, nullptr, FILE_BEGIN);
  std::wstring commandLine;
  for (const std::string& arg : args) commandLine += Quoted(Wide(arg)) + L' ';
  STARTUPINFOW startup{};
  startup.cb = sizeof startup, startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in.get(), startup.hStdOutput = out.get(), startup.hStdError = err.get();
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &started)) {
    return {};
  }
  const Handle child(started.hProcess, &CloseHandle), thread(started.hThread, &CloseHandle);
  DWORD status = 0;
  WaitForSingleObject(child.get(), INFINITE);
  GetExitCodeProcess(child.get(), &status);
  return {int(status), ReadAll(out.get()), ReadAll(err.get())};
}

}  // namespace kalvenor::testing
