#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_DPI_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_DPI_H_

// The windows give positions and sizes at 96 DPI; on a monitor of another DPI they scale, so the
// windows keep their proportions and stay crisp at 150 % and more.

#include "ui/toolkit/win32/win32_api.h"

#include "ui/toolkit/toolkit.h"

namespace orvello::ui::win32 {

inline constexpr int kBaseDpi = 96;

/// `value` pixels at 96 DPI, in pixels at `dpi`, rounded to the nearest.
int Scale(int value, int dpi);

/// `bounds` at 96 DPI, scaled to `dpi`.
Bounds Scale(const Bounds& bounds, int dpi);

/// The DPI of the monitor that shows `window` (96 where the system cannot tell).
int DpiOf(HWND window);

/// The system's message font, sized for `dpi`. The caller deletes it with DeleteObject.
HFONT CreateMessageFont(int dpi);

/// The outer size of a top-level window of `style` whose client area is `width` x `height`
/// pixels at `dpi`.
SIZE WindowSizeFor(int width, int height, DWORD style, int dpi);

}  // namespace orvello::ui::win32

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_DPI_H_
