#include "ui/toolkit/handler_guard.h"

#include <exception>

#include "core/io_error.h"
#include "ui/toolkit/toolkit_texts.h"

namespace orvello::ui {

void RunHandlerGuarded(const Handler& handler,
                       const std::function<void(const std::string&)>& show_error) {
  try {
    handler();
  } catch (const core::IoError& error) {
    show_error(error.DisplayText());
  } catch (const std::exception& error) {
    show_error(core::WithPeriod(error.what()));
  } catch (...) {
    show_error(kUnknownErrorMessage);
  }
}

}  // namespace orvello::ui
