#ifndef ORVELLO_UI_TOOLKIT_QT_QT_APPLICATION_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_APPLICATION_H_

// The window toolkit on Qt 6 Widgets, and what tests need to drive it: the widgets behind it. The
// test seams for the dialogs are ApplicationBase's.

#include <memory>

#include "ui/toolkit/application_base.h"
#include "ui/toolkit/toolkit.h"

class QWidget;

namespace orvello::ui::qt {

/// The Qt application. `argc` and `argv` must outlive it. When a QApplication already exists it
/// is used and left alone; otherwise one is made, owned and destroyed with the result.
std::unique_ptr<ApplicationBase> MakeApplication(int& argc, char** argv);

/// The widget behind a control or a window made by this backend (nullptr for any other), so that
/// tests can click and type with Qt Test.
QWidget* WidgetOf(Control* control);
QWidget* WidgetOf(Window* window);

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_APPLICATION_H_
