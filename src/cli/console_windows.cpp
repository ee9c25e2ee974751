#include "cli/console_windows.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace kalvenor::cli {
namespace {

constexpr unsigned kPipeBytes = 1 << 16;
constexpr DWORD kChunk = 4096;
constexpr wchar_t kEndOfInput = 0x1A;  // Ctrl+Z

// The console behind a standard stream, or null if the stream is redirected.
HANDLE ConsoleOf(int fd) {
  // The C runtime hands out its handles as integers.
  const auto handle =
      reinterpret_cast<HANDLE>(_get_osfhandle(fd));  // NOLINT(performance-no-int-to-ptr)
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// How many leading bytes of `bytes` are whole UTF-8 sequences: a sequence
// cut by the end of a read waits for the next one.
std::size_t WholeSequences(std::string_view bytes) {
  for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
    const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if (byte < 0x80) break;     // ASCII: nothing is cut
    if (byte < 0xC0) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
    return length > back ? bytes.size() - back : bytes.size();
  }
  return bytes.size();
}

void WriteToConsole(HANDLE console, std::string_view utf8) {
  if (utf8.empty()) return;
  const int size = static_cast<int>(utf8.size());
  std::wstring text(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), static_cast<int>(text.size()));
  DWORD written = 0;
  WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Reads the pipe until the program's end closes, showing whole characters.
void RelayOutput(int pipe, HANDLE console) {
  std::string pending;
  char block[kChunk];
  for (int got; (got = _read(pipe, block, sizeof block)) > 0;) {
    pending.append(block, static_cast<std::size_t>(got));
    const std::size_t whole = WholeSequences(pending);
    WriteToConsole(console, std::string_view(pending).substr(0, whole));
    pending.erase(0, whole);
  }
  WriteToConsole(console, pending);
  _close(pipe);
}

std::string ToUtf8(std::wstring_view text) {
  const int size = static_cast<int>(text.size());
  std::string bytes(
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  return bytes;
}

// Typed lines, converted, until Ctrl+Z starts a line or the console closes;
// a surrogate pair cut by the end of a read waits for its second half.
void RelayInput(HANDLE console, int pipe) {
  std::wstring pending;
  wchar_t block[kChunk];
  bool lineStart = true;
  for (DWORD got = 0; ReadConsoleW(console, block, kChunk, &got, nullptr) && got > 0;) {
    if (lineStart && block[0] == kEndOfInput) break;
    pending.append(block, got);
    lineStart = pending.back() == L'\n';
    const bool cut = IS_HIGH_SURROGATE(pending.back());
    const std::string bytes = ToUtf8(std::wstring_view(pending).substr(0, pending.size() - cut));
    if (_write(pipe, bytes.data(), static_cast<unsigned>(bytes.size())) < 0) break;
    pending.erase(0, pending.size() - cut);
  }
  _close(pipe);
}

}  // namespace

ConsoleOutput::ConsoleOutput() {
  int ends[2];
  if ((ConsoleOf(1) == nullptr && ConsoleOf(2) == nullptr) ||
      _pipe(ends, kPipeBytes, _O_BINARY | _O_NOINHERIT) != 0) {
    return;
  }
  // A stream's own handle closes when the pipe takes its place; the relay
  // writes to a copy.
  HANDLE console = nullptr;
  for (const int fd : {1, 2}) {
    if (ConsoleOf(fd) == nullptr) continue;
    saved_[fd - 1] = _dup(fd);
    console = ConsoleOf(saved_[fd - 1]);
    _dup2(ends[1], fd);
  }
  _close(ends[1]);
  relay_ = std::thread(RelayOutput, ends[0], console);
}

ConsoleOutput::~ConsoleOutput() {
  if (!relay_.joinable()) return;
  std::fflush(stdout);
  std::fflush(stderr);
  // Closing the pipe's writing ends lets the relay finish.
  for (const int fd : {1, 2}) {
    if (saved_[fd - 1] >= 0) _dup2(saved_[fd - 1], fd);
  }
  relay_.join();
  for (const int saved : saved_) {
    if (saved >= 0) _close(saved);
  }
}

bool RelayConsoleInput() {
  int ends[2];
  if (ConsoleOf(0) == nullptr || _pipe(ends, kPipeBytes, _O_BINARY | _O_NOINHERIT) != 0) {
    return false;
  }
  const int console = _dup(0);  // kept for the relay, to the end of the process
  _dup2(ends[0], 0);
  _close(ends[0]);
  std::thread(RelayInput, ConsoleOf(console), ends[1]).detach();
  return true;
}

}  // namespace kalvenor::cli
