// Implementation details: the functions for a DPI other than the system's arrived with Windows 10
// 1607; they are looked up at run time, so the program still starts on an older system, where
// every window simply has the system's DPI.
#include "ui/toolkit/win32/win32_dpi.h"

namespace orvello::ui::win32 {

namespace {

template <class Function>
Function Lookup(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int Scale(int value, int dpi) { return MulDiv(value, dpi, kBaseDpi); }

Bounds Scale(const Bounds& bounds, int dpi) {
  // Scaling the edges rather than the sizes keeps neighbouring controls touching.
  int left = Scale(bounds.left, dpi);
  int top = Scale(bounds.top, dpi);
  return {left, top, Scale(bounds.left + bounds.width, dpi) - left,
          Scale(bounds.top + bounds.height, dpi) - top};
}

int DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto get_dpi_for_window = Lookup<GetDpiForWindowFn>("GetDpiForWindow");
  UINT dpi = window && get_dpi_for_window ? get_dpi_for_window(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

HFONT CreateMessageFont(int dpi) {
  using ParametersForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto parameters_for_dpi = Lookup<ParametersForDpiFn>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  if (parameters_for_dpi &&
      parameters_for_dpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    return CreateFontIndirectW(&metrics.lfMessageFont);
  }
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return CreateFontIndirectW(&metrics.lfMessageFont);
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

SIZE WindowSizeFor(int width, int height, DWORD style, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust_for_dpi = Lookup<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT rect = {0, 0, Scale(width, dpi), Scale(height, dpi)};
  if (!adjust_for_dpi || !adjust_for_dpi(&rect, style, FALSE, 0, dpi)) {
    AdjustWindowRectEx(&rect, style, FALSE, 0);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace orvello::ui::win32
