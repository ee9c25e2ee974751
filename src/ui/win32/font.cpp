#include "ui/win32/font.h"

#include <array>
#include <cwchar>

namespace kalvenor::ui::win32 {
namespace {

constexpr std::array<const wchar_t*, 3> kFaces{L"MS UI Gothic", L"Yu Gothic UI", L"Meiryo UI"};
constexpr int kPoints = 9;
constexpr int kPointsPerInch = 72;

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;  // NOLINT: the callback's context travels as LPARAM
  return 0;
}

bool IsInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

LOGFONTW MessageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
  // Windows before 10 (1607) lacks the DPI-aware variant.
  const auto forDpi = reinterpret_cast<ForDpiFn>(  // NOLINT: a function found by name
      reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
  if (forDpi != nullptr) {
    forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  } else {
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  }
  return metrics.lfMessageFont;
}

}  // namespace

HFONT CreateUiFont(UINT dpi) {
  for (const wchar_t* face : kFaces) {
    if (!IsInstalled(face)) continue;
    LOGFONTW font{};
    font.lfHeight = -MulDiv(kPoints, static_cast<int>(dpi), kPointsPerInch);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
  }
  const LOGFONTW message = MessageFont(dpi);
  return CreateFontIndirectW(&message);
}

int TextWidth(HFONT font, std::wstring_view text) {
  HDC screen = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

}  // namespace kalvenor::ui::win32
