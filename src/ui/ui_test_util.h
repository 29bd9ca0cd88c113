#ifndef ORVELLO_UI_UI_TEST_UTIL_H_
#define ORVELLO_UI_UI_TEST_UTIL_H_

// What the window tests share: a Qt application whose error dialog is a recorder.

#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/toolkit.h"

class QWidget;

namespace orvello::ui::testing {

/// The Qt application for one test. Every error it would show lands in `*errors` (Windows-1250)
/// instead of a dialog. Make it before the windows; they must go before it.
std::unique_ptr<Application> MakeTestApplication(std::vector<std::string>* errors);

/// Clicks the widget of `button` with the left mouse button, as the user would.
void Click(Button* button);

/// Types `utf8` into the widget of `edit` key by key after selecting all, as the user would.
void TypeInto(Edit* edit, const std::string& utf8);

}  // namespace orvello::ui::testing

#endif  // ORVELLO_UI_UI_TEST_UTIL_H_
