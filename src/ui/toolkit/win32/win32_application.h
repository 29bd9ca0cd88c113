#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_APPLICATION_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_APPLICATION_H_

// The window toolkit on the native Win32 controls (user32 and comctl32), and the seams through
// which tests drive it.

#include "ui/toolkit/win32/win32_api.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/toolkit/toolkit.h"

namespace orvello::ui::win32 {

/// The program's icon in the executable's resources.
inline constexpr int kIconResource = 1;

/// The Win32 application. One per thread; windows are made and used on that thread only.
std::unique_ptr<Application> MakeApplication();

/// The window handle behind a control or a window made by this backend (nullptr for any
/// other), so that tests can click, type and look.
HWND HandleOf(Control* control);
HWND HandleOf(Window* window);

/// Replaces the error dialog of `app`: every later error goes to `recorder` as the dialog's
/// Windows-1250 text, and no dialog is shown. An empty function puts the dialog back.
void SetErrorRecorder(Application& app, std::function<void(const std::string&)> recorder);

/// Answers the next file-open dialog of `app` without showing it: `answer` is the chosen file as
/// the dialog gives it (a UTF-8 path, converted like a real answer), std::nullopt a cancel.
/// One answer serves one dialog.
void SetNextFileName(Application& app, std::optional<std::string> answer);

}  // namespace orvello::ui::win32

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_APPLICATION_H_
