#ifndef ORVELLO_UI_TOOLKIT_HANDLER_GUARD_H_
#define ORVELLO_UI_TOOLKIT_HANDLER_GUARD_H_

// The guard around every handler, the same for every backend of the toolkit.

#include <functional>
#include <string>

#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

/// Runs `handler`; an exception it throws ends it, and `show_error` gets the error dialog's
/// text: an I/O error's display text, another exception's message with the period rule applied,
/// or kUnknownErrorMessage for anything else.
void RunHandlerGuarded(const Handler& handler,
                       const std::function<void(const std::string&)>& show_error);

}  // namespace orvello::ui

#endif  // ORVELLO_UI_TOOLKIT_HANDLER_GUARD_H_
