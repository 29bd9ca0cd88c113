#ifndef ORVELLO_UI_TOOLKIT_NATIVE_APPLICATION_H_
#define ORVELLO_UI_TOOLKIT_NATIVE_APPLICATION_H_

// The application on the toolkit backend that the build chose for this platform: Qt, or on
// Windows the native controls. The program's start-up is the same on both.

#include <memory>

#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

/// The platform's application. `argc` and `argv` must outlive it.
std::unique_ptr<Application> MakeNativeApplication(int& argc, char** argv);

}  // namespace orvello::ui

#endif  // ORVELLO_UI_TOOLKIT_NATIVE_APPLICATION_H_
