#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_APPLICATION_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_APPLICATION_H_

// The window toolkit on the native Win32 controls (user32 and comctl32), and what tests need to
// drive it: the window handles behind it. The test seams for the dialogs are ApplicationBase's.

#include "ui/toolkit/win32/win32_api.h"

#include <memory>

#include "ui/toolkit/application_base.h"
#include "ui/toolkit/toolkit.h"

namespace orvello::ui::win32 {

/// The program's icon in the executable's resources.
inline constexpr int kIconResource = 1;

/// The Win32 application. One per thread; windows are made and used on that thread only.
std::unique_ptr<ApplicationBase> MakeApplication();

/// The window handle behind a control or a window made by this backend (nullptr for any
/// other), so that tests can click, type and look.
HWND HandleOf(Control* control);
HWND HandleOf(Window* window);

}  // namespace orvello::ui::win32

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_APPLICATION_H_
