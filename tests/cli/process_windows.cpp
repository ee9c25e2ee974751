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
  // Each argument in quotes (no case's holds one, or ends in a backslash).
  for (const std::string& arg : args) commandLine += L'"' + Wide(arg) + L"\" ";
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
