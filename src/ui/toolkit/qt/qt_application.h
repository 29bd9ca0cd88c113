#ifndef ORVELLO_UI_TOOLKIT_QT_QT_APPLICATION_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_APPLICATION_H_

// The window toolkit on Qt 6 Widgets, and the seams through which tests drive it.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/toolkit/toolkit.h"

class QWidget;

namespace orvello::ui::qt {

/// The Qt application. `argc` and `argv` must outlive it. When a QApplication already exists it
/// is used and left alone; otherwise one is made, owned and destroyed with the result.
std::unique_ptr<Application> MakeApplication(int& argc, char** argv);

/// The widget behind a control or a window made by this backend (nullptr for any other), so that
/// tests can click and type with Qt Test.
QWidget* WidgetOf(Control* control);
QWidget* WidgetOf(Window* window);

/// Replaces the error dialog of `app`: every later error goes to `recorder` as the dialog's
/// Windows-1250 text, and no dialog is shown. An empty function puts the dialog back.
void SetErrorRecorder(Application& app, std::function<void(const std::string&)> recorder);

/// Answers the next file-open dialog of `app` without showing it: `answer` is the chosen file as
/// the dialog gives it (a UTF-8 path, converted like a real answer), std::nullopt a cancel.
/// One answer serves one dialog.
void SetNextFileName(Application& app, std::optional<std::string> answer);

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_APPLICATION_H_
