#include "toolkit/dpi.h"

#include "toolkit/system_function.h"

namespace toolkit::detail {
namespace {

template <typename Function>
Function User32(const char* name) {
  return SystemFunction<Function>(L"user32.dll", name);
}

HFONT StockGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

UINT SystemDpi() {
  static const UINT dpi = [] {
    if (const auto forSystem = User32<UINT(WINAPI*)()>("GetDpiForSystem")) return forSystem();
    HDC screen = GetDC(nullptr);
    const int caps = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return caps > 0 ? static_cast<UINT>(caps) : kDefinitionDpi;
  }();
  return dpi;
}

UINT WindowDpi(HWND hwnd) {
  static const auto forWindow = User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  const UINT dpi = forWindow != nullptr && hwnd != nullptr ? forWindow(hwnd) : 0;
  return dpi != 0 ? dpi : SystemDpi();
}

int Scale(int length, UINT dpi) { return MulDiv(length, static_cast<int>(dpi), static_cast<int>(kDefinitionDpi)); }

int MetricForDpi(int index, UINT dpi) {
  static const auto forDpi = User32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  if (forDpi != nullptr) return forDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

HFONT GuiFontForDpi(UINT dpi) {
  if (dpi == SystemDpi()) return StockGuiFont();
  LOGFONTW font{};
  GetObjectW(StockGuiFont(), sizeof font, &font);
  font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
  font.lfWidth = MulDiv(font.lfWidth, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
  HFONT scaled = CreateFontIndirectW(&font);
  return scaled != nullptr ? scaled : StockGuiFont();
}

bool OwnsFont(HFONT font) { return font != nullptr && font != StockGuiFont(); }

}  // namespace toolkit::detail
