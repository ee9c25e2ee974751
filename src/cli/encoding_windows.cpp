// CP932 through the Windows code page conversions.
#include <windows.h>

#include <string>

#include "cli/encoding.h"

namespace kalvenor::cli {
namespace {

constexpr UINT kCp932 = 932;

std::wstring Wide(UINT codePage, DWORD flags, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  std::wstring wide(length, L'\0');
  if (length > 0) MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
  return wide;
}

void AppendNarrow(UINT codePage, const std::wstring& wide, std::string& out) {
  if (wide.empty()) return;
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  const std::size_t start = out.size();
  out.resize(start + length);
  WideCharToMultiByte(codePage, 0, wide.data(), size, out.data() + start, length, nullptr, nullptr);
}

}  // namespace

bool Cp932ToUtf8(std::string_view bytes, std::string& out) {
  const std::wstring wide = Wide(kCp932, MB_ERR_INVALID_CHARS, bytes);
  if (wide.empty() && !bytes.empty()) return false;
  AppendNarrow(CP_UTF8, wide, out);
  return true;
}

void Utf8ToCp932(std::string_view utf8, std::string& out) {
  // Without flags, a character the code page lacks becomes its default "?".
  AppendNarrow(kCp932, Wide(CP_UTF8, 0, utf8), out);
}

}  // namespace kalvenor::cli
